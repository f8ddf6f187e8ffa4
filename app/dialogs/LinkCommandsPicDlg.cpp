#include "LinkCommandsPicDlg.h"

#include <QFile>
#include <QFileInfo>
#include <QGridLayout>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QVBoxLayout>

#include "RegularFile.h"

namespace {

constexpr int kPreviewSide = 180;

// "Caption|*.a;*.b|..." as Qt's "Caption (*.a *.b);;...", the caption's own pattern list dropped.
QString QtFilterOf(const QString& filter) {
  const QStringList parts = filter.split('|');
  QStringList out;
  for (int i = 0; i + 1 < parts.size(); i += 2) {
    QString caption = parts[i];
    const int paren = caption.indexOf('(');
    if (paren > 0) caption = caption.left(paren).trimmed();
    out << caption + " (" + parts[i + 1].split(';', Qt::SkipEmptyParts).join(' ') + ")";
  }
  return out.join(";;");
}

TPicturePicker& Picker() {
  static TPicturePicker picker;
  return picker;
}

}  // namespace

void SetPicturePicker(TPicturePicker picker) { Picker() = std::move(picker); }

QString PickPicture(QWidget* parent) {
  if (Picker()) return Picker()(parent);
  TOpenPicDlg dialog(parent);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return dialog.selectedFiles().constFirst();
}

TOpenPicDlg::TOpenPicDlg(QWidget* parent) : QFileDialog(parent) {
  setObjectName("OpenPicDlg");
  // The preview pane needs Qt's own dialog.
  setOption(QFileDialog::DontUseNativeDialog, true);
  setFileMode(QFileDialog::ExistingFile);
  setAcceptMode(QFileDialog::AcceptOpen);
  setNameFilter(QtFilterOf(kPictureFilter));

  auto* pane = new QWidget(this);
  pane->setObjectName("PreviewPane");
  auto* column = new QVBoxLayout(pane);
  FImage = new QLabel(pane);
  FImage->setObjectName("PreviewImage");
  FImage->setFixedSize(kPreviewSide, kPreviewSide);
  FImage->setAlignment(Qt::AlignCenter);
  FImage->setFrameShape(QFrame::StyledPanel);
  FSize = new QLabel(pane);
  FSize->setObjectName("PreviewSize");
  FSize->setAlignment(Qt::AlignCenter);
  column->addWidget(FImage);
  column->addWidget(FSize);
  column->addStretch();
  if (auto* grid = qobject_cast<QGridLayout*>(layout()))
    grid->addWidget(pane, 0, grid->columnCount(), grid->rowCount(), 1);

  // The preview follows the picked file, whether it was clicked, reached by keys or typed.
  connect(this, &QFileDialog::currentChanged, this, &TOpenPicDlg::PreviewPicked);
  if (auto* list = findChild<QListView*>("listView"); list && list->selectionModel())
    connect(list->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &TOpenPicDlg::PreviewPicked);
  if (auto* name = findChild<QLineEdit*>("fileNameEdit"))
    connect(name, &QLineEdit::textChanged, this, &TOpenPicDlg::PreviewPicked);
}

void TOpenPicDlg::PreviewPicked() {
  // The name field holds what was clicked or typed; the list's own answer may lag behind it
  // while the folder is still being read.
  QString file;
  if (auto* name = findChild<QLineEdit*>("fileNameEdit"); name && !name->text().isEmpty()) {
    file = directory().absoluteFilePath(name->text());
  } else {
    const QStringList files = selectedFiles();
    file = files.size() == 1 ? files.front() : QString();
  }
  ShowPreview(QFileInfo(file).isFile() ? file : QString());
}

void TOpenPicDlg::ShowPreview(const QString& fileName) {
  FImage->clear();
  FSize->clear();
  // A named pipe or a device would block the dialog.
  if (fileName.isEmpty() || !IsRegularFile(QFile::encodeName(fileName).toStdString())) return;
  QImageReader reader(fileName);
  reader.setAutoTransform(true);
  const QSize size = reader.size();
  if (!reader.canRead() || !size.isValid()) return;
  // Decode straight to the preview size where the format allows it (JPEG does).
  QSize target = size;
  if (target.width() > kPreviewSide || target.height() > kPreviewSide)
    target = target.scaled(kPreviewSide, kPreviewSide, Qt::KeepAspectRatio).expandedTo(QSize(1, 1));
  reader.setScaledSize(target);
  const QImage image = reader.read();
  if (image.isNull()) return;
  FImage->setPixmap(QPixmap::fromImage(image));
  FSize->setText(QString("%1 x %2").arg(size.width()).arg(size.height()));
}
