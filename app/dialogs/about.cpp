#include "about.h"

#include <QAction>
#include <QEvent>
#include <QLabel>
#include <QMainWindow>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

#include "GoToWeb.h"

namespace {

const int kMajorVersion = 2;
const int kMinorVersion = 0;

const int kCreditsStartTop = 50;
const int kCreditsRestTop = 60;
const int kCreditsLastTop = -360;
const int kTimerInterval = 50;

}  // namespace

// ---- panel ------------------------------------------------------------------------

TCaptionPanel::TCaptionPanel(QWidget* parent) : QFrame(parent) { setFrameShape(QFrame::NoFrame); }

void TCaptionPanel::SetCaption(const QString& caption) {
  if (caption == FCaption) return;
  FCaption = caption;
  update();
}

void TCaptionPanel::paintEvent(QPaintEvent* event) {
  QFrame::paintEvent(event);
  if (FCaption.isEmpty()) return;
  QPainter painter(this);
  painter.setPen(palette().color(QPalette::WindowText));
  painter.drawText(contentsRect(), Qt::AlignCenter | Qt::TextWordWrap, FCaption);
}

// ---- window -----------------------------------------------------------------------

QString TAboutForm::CreditsText() {
  return QStringLiteral(
      "\n"
      "\n"
      "Credits:\n"
      " \n"
      "Design and programming:\n"
      "Mira Kestrel\n"
      " \n"
      "Testing:\n"
      "Jonas Veld\n"
      "and the Orvex users' circle\n"
      " \n"
      "Thanks to:\n"
      "Petra Lindqvist\n"
      "and Aurel Dima\n"
      "for the editor control\n"
      " \n"
      "the GNU Compiler Collection\n"
      "and the Qt toolkit\n"
      " \n"
      "<<< - >>>");
}

QPixmap TAboutForm::Logo(qreal Ratio) {
  // A quill crossing a page: drawn here so the program ships no picture files.
  const int size = 64;
  QPixmap pixmap(qRound(size * Ratio), qRound(size * Ratio));
  pixmap.setDevicePixelRatio(Ratio);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);

  QLinearGradient page(0, 0, size, size);
  page.setColorAt(0, QColor(0x2f, 0x6f, 0xb3));
  page.setColorAt(1, QColor(0x1b, 0x3f, 0x73));
  p.setPen(Qt::NoPen);
  p.setBrush(page);
  p.drawRoundedRect(QRectF(4, 4, 56, 56), 10, 10);

  p.setPen(QPen(QColor(255, 255, 255, 150), 2));
  for (int y = 20; y <= 44; y += 8) p.drawLine(QPointF(14, y), QPointF(36, y));

  QPainterPath quill;
  quill.moveTo(54, 8);
  quill.cubicTo(40, 12, 26, 30, 20, 52);
  quill.cubicTo(34, 44, 48, 28, 54, 8);
  p.setPen(QPen(QColor(0x8a, 0x5a, 0x14), 1));
  p.setBrush(QColor(0xf5, 0xd0, 0x6f));
  p.drawPath(quill);
  p.setPen(QPen(QColor(0x8a, 0x5a, 0x14), 1.5));
  p.drawLine(QPointF(52, 11), QPointF(17, 57));
  return pixmap;
}

TAboutForm::TAboutForm(QWidget* parent) : QDialog(parent) {
  setObjectName("AboutForm");
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
  setFixedSize(332, 229);

  Image1 = new QLabel(this);
  Image1->setObjectName("Image1");
  Image1->setPixmap(Logo(devicePixelRatioF()));
  Image1->move(16, 12);
  Image1->adjustSize();

  AppLbl = new QLabel(this);
  AppLbl->setObjectName("AppLbl");
  AppLbl->setAlignment(Qt::AlignCenter);
  QFont big = AppLbl->font();
  big.setBold(true);
  big.setPointSizeF(big.pointSizeF() * 1.3);
  AppLbl->setFont(big);
  AppLbl->setGeometry(74, 18, 250, 26);

  URLLbl = new QLabel(this);
  URLLbl->setObjectName("URLLbl");
  URLLbl->setAlignment(Qt::AlignCenter);
  QFont link = URLLbl->font();
  link.setUnderline(true);
  URLLbl->setFont(link);
  QPalette blue = URLLbl->palette();
  blue.setColor(QPalette::WindowText, Qt::blue);
  URLLbl->setPalette(blue);
  URLLbl->setCursor(Qt::PointingHandCursor);
  URLLbl->setGeometry(74, 46, 250, 20);
  URLLbl->installEventFilter(this);

  Panel1 = new TCaptionPanel(this);
  Panel1->setObjectName("Panel1");
  Panel1->setGeometry(106, 80, 185, 65);

  Credits = new QLabel(CreditsText(), Panel1);
  Credits->setObjectName("Credits");
  Credits->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  Credits->setGeometry((185 - 169) / 2, kCreditsStartTop, 169, 406);

  BitBtn1 = new QPushButton("OK", this);
  BitBtn1->setObjectName("BitBtn1");
  BitBtn1->setDefault(true);
  BitBtn1->setGeometry(161, 180, 75, 25);
  connect(BitBtn1, &QPushButton::clicked, this, &TAboutForm::BitBtn1Click);

  GoToWeb = new TGoToWeb(this);

  Timer1 = new QTimer(this);
  Timer1->setObjectName("Timer1");
  Timer1->setInterval(kTimerInterval);
  connect(Timer1, &QTimer::timeout, this, &TAboutForm::Timer1Timer);
  Timer1->start();

  // FormCreate
  AppLbl->setText(QStringLiteral("Orvex Quillan %1.%2 ").arg(kMajorVersion).arg(kMinorVersion));
  URLLbl->setText(QString::fromLatin1(kMakerWebSite));
  URLLbl->setToolTip("Orvex Software online - click here!");
  setWindowTitle("About Quillan");
}

void TAboutForm::URLLblClick() {
  GoToWeb->Url = QString::fromLatin1(kMakerWebSite);
  GoToWeb->OpenUrl();
}

void TAboutForm::BitBtn1Click() { accept(); }

void TAboutForm::Timer1Timer() {
  Credits->move(Credits->x(), Credits->y() - 2);
  if (Credits->y() >= kCreditsLastTop) return;
  const int interval = Timer1->interval() - 10;
  if (interval < kTimerInterval) {
    Timer1->stop();
    Timer1->setInterval(0);
    Panel1->SetCaption("Thanks for using this software!");
  } else {
    Timer1->setInterval(interval);
  }
  Credits->move(Credits->x(), kCreditsRestTop);
}

bool TAboutForm::eventFilter(QObject* watched, QEvent* event) {
  if (watched == URLLbl && event->type() == QEvent::MouseButtonRelease &&
      static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton &&
      URLLbl->rect().contains(static_cast<QMouseEvent*>(event)->position().toPoint())) {
    URLLblClick();
    return true;
  }
  return QDialog::eventFilter(watched, event);
}

void TAboutForm::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (QScreen* s = screen()) {
    QRect frame = frameGeometry();
    frame.moveCenter(s->availableGeometry().center());
    move(frame.topLeft());
  }
}

void About1Click(QWidget* owner) {
  TAboutForm form(owner);
  form.exec();
}

bool InstallAboutCommand(QMainWindow* mainForm) {
  QAction* about = mainForm ? mainForm->findChild<QAction*>("About1") : nullptr;
  if (!about) return false;
  QObject::connect(about, &QAction::triggered, mainForm, [mainForm] { About1Click(mainForm); });
  return true;
}
