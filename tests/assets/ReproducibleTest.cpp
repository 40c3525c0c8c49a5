#include <gtest/gtest.h>

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

namespace tolva {
namespace {

QByteArray Bytes(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The pictures are part of the build: drawing them again must give the very
// same bytes, or builds of the same sources would differ.
TEST(PictureGenerator, DrawsTheSameBytesEveryTime) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString assets = dir.filePath("assets");
  const QString runtime = dir.filePath("app");
  QDir().mkpath(assets);
  QDir().mkpath(runtime);
  QProcess generator;
  generator.start(QStringLiteral(TOLVA_PICTUREGEN),
                  {"-platform", "offscreen", "--assets", assets, "--runtime", runtime,
                   "--translations", QStringLiteral(TOLVA_I18N_DIR)});
  ASSERT_TRUE(generator.waitForFinished(120000));
  ASSERT_EQ(generator.exitStatus(), QProcess::NormalExit);
  ASSERT_EQ(generator.exitCode(), 0) << generator.readAllStandardError().toStdString();

  int compared = 0;
  QDirIterator it(assets, QDir::Files, QDirIterator::Subdirectories);
  while (it.hasNext()) {
    const QString fresh = it.next();
    const QString relative = QDir(assets).relativeFilePath(fresh);
    EXPECT_EQ(Bytes(fresh), Bytes(QStringLiteral(TOLVA_ASSET_DIR) + "/" + relative))
        << relative.toStdString();
    ++compared;
  }
  EXPECT_GE(compared, 30);
  EXPECT_EQ(Bytes(runtime + "/TolvaGameSys.dll"), Bytes(QStringLiteral(TOLVA_CARD_LIBRARY)));
}

}  // namespace
}  // namespace tolva
