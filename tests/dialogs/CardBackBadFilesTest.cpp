// Files the card back dialog must refuse: headers that claim 100000 x 100000
// pixels (65535 where the format holds no more) in every type, GIF, BMP and
// TIFF files cut short, a folder, and a file that cannot be read. Each shows
// its message, and the stored card back stays as it was through Save.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>

#include "dialogs/CBackSet.h"
#include "render/Surfaces.h"
#include "support/RecordedServices.h"
#include "support/TestPictures.h"
#include "table/MemorySettingsStore.h"
#include "table/SettingsSchema.h"
#include "tests/support/FilesAsNobody.h"
#include "tests/support/OwnTemporaryFolder.h"

namespace tolva {
namespace {

using testing::ClaimingSize;
using testing::Encoded;
using testing::RecordedMessage;
using testing::Recorder;
using testing::TwoColourGif;
using testing::TwoColours;

const RecordedMessage kCannotDecode{30001, MessageStyle::Error};
const RecordedMessage kCannotRead{30002, MessageStyle::Error};
const RecordedMessage kNotAPictureType{30056, MessageStyle::Information};

QString StoredFreeImage() { return QDir::tempPath() + QStringLiteral("/TolvaGame/CardBack.jpg"); }

QByteArray Contents(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

using testing::FilesAsNobody;

struct CardBackBadFiles : ::testing::Test {
  MemorySettingsStore store;
  Surfaces surfaces;
  Recorder recorder;
  QTemporaryDir files;
  QByteArray storedBytes;

  // A free image chosen and saved in an earlier run.
  void SetUp() override {
    ASSERT_TRUE(files.isValid());
    QDir(QDir::tempPath() + QStringLiteral("/TolvaGame")).removeRecursively();
    QDir().mkpath(QDir::tempPath() + QStringLiteral("/TolvaGame"));
    ASSERT_TRUE(TwoColours(qRgb(0, 0, 255), qRgb(0, 0, 255), 151, 215)
                    .save(StoredFreeImage(), "JPEG", 100));
    storedBytes = Contents(StoredFreeImage());
    Settings(store).SetBackSet(1);
  }
  CardBackContext Context() { return {store, surfaces, recorder.Services(), 0}; }
  QString Write(const QString& name, const QByteArray& bytes) {
    const QString path = files.filePath(name);
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
    return path;
  }

  // The file is refused with exactly `message`, the dialog keeps the stored
  // picture, and a Save after it writes nothing: the card back stays.
  void ExpectRefused(const QString& path, const RecordedMessage& message,
                     const std::function<bool(CBackSet&)>& open = {}) {
    CBackSet dialog(Context());
    ASSERT_EQ(dialog.HasFreeImage, 1);
    const QImage before = surfaces.Scratch;
    const int writesBefore = store.WriteCount();
    recorder.messages.clear();

    EXPECT_FALSE(open ? open(dialog) : dialog.SetFreeImageFromPath(path));
    EXPECT_EQ(recorder.messages, std::vector<RecordedMessage>{message});
    EXPECT_EQ(surfaces.Scratch, before);
    EXPECT_EQ(dialog.Changed, 0);
    EXPECT_TRUE(dialog.FreeRadio()->isChecked());

    dialog.SaveButton()->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.Changed, 0) << "nothing to rebuild";
    EXPECT_EQ(store.WriteCount(), writesBefore);
    EXPECT_EQ(Contents(StoredFreeImage()), storedBytes);
  }
};

TEST_F(CardBackBadFiles, HeadersClaimingAHugeSizeAreRefusedInEveryType) {
  const struct {
    const char* format;
    const char* name;
    quint32 side;
  } claims[] = {
      {"png", "huge.png", 100000},  {"bmp", "huge.bmp", 100000}, {"tiff", "huge.tif", 100000},
      {"jpeg", "huge.jpg", 65535},  {"gif", "huge.gif", 65535},
  };
  for (const auto& claim : claims) {
    SCOPED_TRACE(claim.format);
    const QByteArray bytes = ClaimingSize(claim.format, claim.side, claim.side);
    ASSERT_FALSE(bytes.isEmpty()) << "the header was found to change";
    ExpectRefused(Write(claim.name, bytes), kCannotDecode);
  }
}

TEST_F(CardBackBadFiles, GifBmpAndTiffCutShortAreRefused) {
  const QImage picture = TwoColours(qRgb(250, 0, 0), qRgb(0, 250, 0), 200, 260);
  const struct {
    const char* name;
    QByteArray whole;
  } types[] = {
      {"cut.gif", TwoColourGif(qRgb(250, 0, 0), qRgb(0, 250, 0), 200, 260)},
      {"cut.bmp", Encoded(picture, "bmp")},
      {"cut.tif", Encoded(picture, "tiff")},
  };
  for (const auto& type : types) {
    SCOPED_TRACE(type.name);
    ASSERT_GT(type.whole.size(), 1000);
    ExpectRefused(Write(type.name, type.whole.left(type.whole.size() / 2)), kCannotDecode);
  }
}

TEST_F(CardBackBadFiles, AFolderIsNoPictureWhateverItsName) {
  for (const char* name : {"pictures.png", "pictures"}) {
    SCOPED_TRACE(name);
    ASSERT_TRUE(QDir(files.path()).mkdir(QString::fromLatin1(name)));
    ExpectRefused(files.filePath(QString::fromLatin1(name)), kNotAPictureType);
  }
}

TEST_F(CardBackBadFiles, AFileThatCannotBeReadSaysSo) {
  // Outside the test's own folders, which only their owner may enter.
  QTemporaryDir shared(QStringLiteral("/tmp/tolva-unreadable-XXXXXX"));
  ASSERT_TRUE(shared.isValid());
  QFile::setPermissions(shared.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                           QFile::ExeGroup | QFile::ExeOther);
  const QString path = shared.filePath(QStringLiteral("locked.png"));
  {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(Encoded(TwoColours(qRgb(250, 0, 0), qRgb(0, 250, 0), 40, 60), "png"));
  }
  ASSERT_TRUE(QFile::setPermissions(path, QFileDevice::Permissions()));
  {
    FilesAsNobody nobody;
    QFile probe(path);
    if (probe.open(QIODevice::ReadOnly)) GTEST_SKIP() << "this system lets the file be read";
  }
  ExpectRefused(path, kCannotRead, [&](CBackSet& dialog) {
    FilesAsNobody nobody;
    return dialog.SetFreeImageFromPath(path);
  });
}

// The picture the player chose cannot be kept when the temporary folder cannot
// be used: each Save says so (the start-up told it only once), and the dialog
// stays open with the choice unchanged.
TEST_F(CardBackBadFiles, APictureThatCannotBeKeptIsToldAtEverySave) {
  testing::OwnTemporaryFolder own;
  CBackSet dialog(Context());
  ASSERT_TRUE(dialog.SetFreeImageFromPath(
      Write("new.png", Encoded(TwoColours(qRgb(250, 0, 0), qRgb(0, 250, 0), 40, 60), "png"))));
  const QString file = own.scratch.filePath(QStringLiteral("a-file"));
  ASSERT_TRUE(QFile(file).open(QIODevice::WriteOnly));
  own.UseAsTmpdir(file);
  recorder.messages.clear();
  dialog.SaveButton()->click();
  dialog.SaveButton()->click();
  EXPECT_EQ(recorder.messages, std::vector<RecordedMessage>(2, kCannotRead));
  EXPECT_NE(dialog.result(), QDialog::Accepted);
  EXPECT_EQ(Settings(store).BackSet(), 1);
}

}  // namespace
}  // namespace tolva
