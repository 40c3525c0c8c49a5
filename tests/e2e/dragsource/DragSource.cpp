// A file manager's part in a drag and drop, for the end-to-end tests on
// Wayland: a small window that drags the files named on its command line as
// a file manager drags them (a list of file URLs) as soon as the pointer is
// pressed on it. It prints "dropped <action>" when the drop is over, or
// "refused" when no window took it.
//
//   tolva-drag-source <file>...
#include <QApplication>
#include <QDrag>
#include <QMimeData>
#include <QMouseEvent>
#include <QUrl>
#include <QWidget>
#include <cstdio>

namespace {

class DragSource : public QWidget {
 public:
  explicit DragSource(QList<QUrl> files) : files_(std::move(files)) {
    setWindowTitle(QStringLiteral("drag source"));
    setFixedSize(160, 120);
    setStyleSheet(QStringLiteral("background: #f0c040;"));
  }

 protected:
  void mousePressEvent(QMouseEvent* event) override {
    if (event->button() != Qt::LeftButton) return;
    auto* drag = new QDrag(this);
    auto* data = new QMimeData;
    data->setUrls(files_);
    drag->setMimeData(data);
    const Qt::DropAction action = drag->exec(Qt::CopyAction | Qt::LinkAction, Qt::CopyAction);
    std::printf(action == Qt::IgnoreAction ? "refused\n" : "dropped %d\n", int(action));
    std::fflush(stdout);
  }

 private:
  QList<QUrl> files_;
};

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QList<QUrl> files;
  for (const QString& path : app.arguments().mid(1)) files << QUrl::fromLocalFile(path);
  DragSource source(files);
  source.show();
  return app.exec();
}
