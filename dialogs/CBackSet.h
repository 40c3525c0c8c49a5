// CBackSet: the card back settings. The player chooses between the default
// card back and a free image taken from any picture file (through the file
// dialog or by dropping a file onto the black frame), and whether card backs
// get a frame line. Nothing is written before Save; Save writes only what
// changed and tells, through `Changed`, whether the card backs must be rebuilt
// (see CardBackCommand.h for the command around it).
//
// The free image lives in the view's scratch surface at 151 x 215; the dialog
// owns no picture of its own.
#pragma once

#include <QDialog>
#include <QImage>
#include <QRect>
#include <array>

#include "dialogs/DialogServices.h"

class QCheckBox;
class QLabel;
class QMimeData;
class QPushButton;
class QRadioButton;

namespace tolva {

class SettingsStore;
struct Surfaces;

struct CardBackContext {
  SettingsStore& store;
  Surfaces& surfaces;        // the view's; the free image goes into its scratch surface
  DialogServices services;
  int soundOn = 1;           // the view's "Koukaon": click sounds
};

// The frame line's colour round card backs.
inline const QColor kCardFrameColour(120, 120, 60);

class CBackSet : public QDialog {
  Q_OBJECT

 public:
  explicit CBackSet(CardBackContext context, QWidget* parent = nullptr);

  enum Preview : int { kDefaultPreview = 0, kFreePreview = 1 };

  int Changed = 0;       // something changed that needs the card backs rebuilt
  int HasFreeImage = 0;  // a free image is in the scratch surface and shown
  int FrameLine = 1;     // state of the frame line check box
  std::array<QRect, 2> PreviewRect;  // the two preview areas, in dialog coordinates
  std::array<QRect, 2> PictureRect;  // where the picture is drawn inside each

  // Reads the picture file into the scratch surface as the free image and
  // selects it. A missing path does nothing; a folder, a file that is not a
  // picture of the five types, or one that cannot be read or decoded, shows
  // its message and changes nothing.
  bool SetFreeImageFromPath(const QString& path);
  // "保存終了": writes what changed; false (and the dialog stays) when the
  // free image is chosen but there is none, or it cannot be written.
  bool Save();
  // The preview under a point of the dialog, or -1.
  int PreviewAt(const QPoint& point) const;
  // Checks the radio button of a preview, unchecks the other.
  void SelectPreview(int preview);
  int ChosenSource() const;  // 1 for the free image, else 0

  QRadioButton* DefaultRadio() const { return defaultRadio_; }
  QRadioButton* FreeRadio() const { return freeRadio_; }
  QCheckBox* FrameLineBox() const { return frameLine_; }
  QPushButton* SaveButton() const { return save_; }
  QPushButton* CancelButton() const { return cancel_; }

  void accept() override;  // OK runs Save first

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dragMoveEvent(QDragMoveEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  void BuildControls();
  void ChooseFile();
  void OnFrameLineToggled(bool on);
  void PlayClick() const;
  void RefreshFreePreview();
  bool AcceptsDropAt(const QPoint& point, const QMimeData* data) const;

  CardBackContext context_;
  QRadioButton* defaultRadio_ = nullptr;
  QRadioButton* freeRadio_ = nullptr;
  QCheckBox* frameLine_ = nullptr;
  QPushButton* save_ = nullptr;
  QPushButton* cancel_ = nullptr;
  QPushButton* change_ = nullptr;
  QImage defaultPreview_;  // picture 147 shrunk into its picture rectangle
  QImage freePreview_;     // the free image shrunk into its picture rectangle
  QImage freeLarge_;       // the chosen picture at three times the card back's size
};

}  // namespace tolva
