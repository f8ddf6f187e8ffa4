// TAboutForm: the About window, with the product name, a logo, the maker's link and
// credits that scroll up once and give way to a closing line.
#pragma once

#include <QDialog>
#include <QFrame>

class QLabel;
class QMainWindow;
class QPushButton;
class QTimer;
class TGoToWeb;

// A panel that shows a caption of its own, centred behind its children.
class TCaptionPanel : public QFrame {
  Q_OBJECT
 public:
  explicit TCaptionPanel(QWidget* parent = nullptr);
  QString Caption() const { return FCaption; }
  void SetCaption(const QString& caption);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QString FCaption;
};

class TAboutForm : public QDialog {
  Q_OBJECT
 public:
  explicit TAboutForm(QWidget* parent = nullptr);

  static QString CreditsText();
  static QPixmap Logo(qreal Ratio = 1);  // drawn for the pixel density Ratio

  void URLLblClick();
  void BitBtn1Click();
  void Timer1Timer();

  QLabel* Image1 = nullptr;
  QLabel* AppLbl = nullptr;
  QLabel* URLLbl = nullptr;
  TCaptionPanel* Panel1 = nullptr;
  QLabel* Credits = nullptr;
  QPushButton* BitBtn1 = nullptr;
  TGoToWeb* GoToWeb = nullptr;
  QTimer* Timer1 = nullptr;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void showEvent(QShowEvent* event) override;
};

// Shows a new About window modally and releases it when it closes.
void About1Click(QWidget* owner);
// Connects the main window's "About1" action to About1Click; false when the window
// has no such action.
bool InstallAboutCommand(QMainWindow* mainForm);
