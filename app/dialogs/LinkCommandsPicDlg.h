// The picture dialog of "Image from file...": a file dialog with a preview of the picked picture.
#pragma once

#include <QFileDialog>

#include <functional>

class QLabel;

inline constexpr const char* kPictureFilter =
    "All (*.png;*.gif;*.jpg;*.jpeg)|*.png;*.gif;*.jpg;*.jpeg|Portable Network Graphics (*.png)|*.png|"
    "JPEG Image File (*.jpg)|*.jpg|JPEG Image File (*.jpeg)|*.jpeg";

// Asks for a picture; empty when cancelled. Tests put their own answer in place; an empty
// function restores the dialog.
using TPicturePicker = std::function<QString(QWidget* parent)>;
void SetPicturePicker(TPicturePicker picker);
QString PickPicture(QWidget* parent);

class TOpenPicDlg : public QFileDialog {
  Q_OBJECT
 public:
  explicit TOpenPicDlg(QWidget* parent = nullptr);

  // Shows the picture in the preview pane (empty or unreadable: no picture).
  void ShowPreview(const QString& fileName);
  QLabel* PreviewImage() const { return FImage; }
  QLabel* PreviewSize() const { return FSize; }

 private:
  void PreviewPicked();

  QLabel* FImage = nullptr;
  QLabel* FSize = nullptr;
};
