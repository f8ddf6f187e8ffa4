#include "setup.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFontComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTabWidget>
#include <QVBoxLayout>

#include "FilenameEdit.h"
#include "FormStorage.h"
#include "HelpView.h"
#include "SettingsFile.h"
#include "TextEncoding.h"

namespace {

const int kSetupHelpTopic = 30;
const QSize kClientSize(382, 262);

const char* const kProgramDialogTitle = "Select an a Windows Executeble";
const char* const kProgramFilter = "Programs (*.exe *.com);;Programs (*)";

// The editor remembers at least the two changes it always did.
const int kMinUndoLevels = 2;
const int kMaxUndoLevels = 10000;

QLabel* NewLabel(QWidget* parent, int& count, const QString& caption, QWidget* buddy) {
  auto* label = new QLabel(caption, parent);
  label->setObjectName(QStringLiteral("Label%1").arg(++count));
  label->setBuddy(buddy);
  return label;
}

}  // namespace

QString DefaultUntitledName() { return QDir::homePath() + QStringLiteral("/untitled"); }

QFont SettingsFont(const QFont& current, const QString& fontName, int fontSize) {
  QFont font = current;
  if (!fontName.isEmpty()) font.setFamilies({fontName});
  if (fontSize >= 1) font.setPointSize(fontSize);
  return font;
}

void ApplyEditorFont(QWidget* editor, const QString& fontName, int fontSize) {
  if (editor) editor->setFont(SettingsFont(editor->font(), fontName, fontSize));
}

TSetupForm::TSetupForm(QWidget* parent) : QDialog(parent) {
  setObjectName("SetupForm");
  setWindowTitle("Setup");
  setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                 Qt::MSWindowsFixedSizeDialogHint);

  PageControl1 = new QTabWidget(this);
  PageControl1->setObjectName("PageControl1");
  PageControl1->setDocumentMode(true);
  PageControl1->addTab(BuildUserPage(), "User Settings");
  PageControl1->addTab(BuildEditorPage(), "Editor Options");
  PageControl1->addTab(BuildProgramsPage(), "Program Locations");
  PageControl1->setCurrentIndex(2);

  ApplyBtn = new QPushButton("&Apply", this);
  ApplyBtn->setObjectName("ApplyBtn");
  ApplyBtn->setDefault(true);
  CancelBtn = new QPushButton("&Cancel", this);
  CancelBtn->setObjectName("CancelBtn");
  HelpBtn = new QPushButton("&Help", this);
  HelpBtn->setObjectName("HelpBtn");
  connect(ApplyBtn, &QPushButton::clicked, this, &TSetupForm::ApplyBtnClick);
  connect(CancelBtn, &QPushButton::clicked, this, &TSetupForm::CancelBtnClick);
  connect(HelpBtn, &QPushButton::clicked, this, &TSetupForm::HelpBtnClick);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(ApplyBtn);
  buttons->addWidget(CancelBtn);
  buttons->addWidget(HelpBtn);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(PageControl1);
  layout->addLayout(buttons);

  setFixedSize(sizeHint().expandedTo(kClientSize));
}

QWidget* TSetupForm::BuildUserPage() {
  auto* page = new QWidget;
  page->setObjectName("UserSheet");
  auto* form = new QFormLayout(page);
  NameEd = new QLineEdit(page);
  NameEd->setObjectName("NameEd");
  eMailEd = new QLineEdit(page);
  eMailEd->setObjectName("eMailEd");
  HomepageEd = new QLineEdit(page);
  HomepageEd->setObjectName("HomepageEd");
  form->addRow(NewLabel(page, FLabelCount, "Name", NameEd), NameEd);
  form->addRow(NewLabel(page, FLabelCount, "eMail", eMailEd), eMailEd);
  form->addRow(NewLabel(page, FLabelCount, "Homepage", HomepageEd), HomepageEd);
  ModernHTMLChk = new QCheckBox("Write modern HTML", page);
  ModernHTMLChk->setObjectName("ModernHTMLChk");
  RelativeLinksChk = new QCheckBox("Links and pictures relative to the document", page);
  RelativeLinksChk->setObjectName("RelativeLinksChk");
  form->addRow(ModernHTMLChk);
  form->addRow(RelativeLinksChk);
  return page;
}

QWidget* TSetupForm::BuildEditorPage() {
  auto* page = new QWidget;
  page->setObjectName("EditorSheet");
  auto* form = new QFormLayout(page);

  FontBox = new QFontComboBox(page);
  FontBox->setObjectName("FontBox");
  FontBox->setFontFilters(QFontComboBox::MonospacedFonts);
  // Fonts that cover no alphabet (symbol fonts) are of no use for text.
  FontBox->setWritingSystem(QFontDatabase::Latin);
  FontSpn = new QSpinBox(page);
  FontSpn->setObjectName("FontSpn");
  FontSpn->setRange(6, 72);
  FontSpn->setValue(10);
  FontSpn->setMaximumWidth(FontSpn->fontMetrics().horizontalAdvance(QStringLiteral("0000")) * 3);
  if (auto* edit = FontSpn->findChild<QLineEdit*>()) edit->setMaxLength(2);
  AutoHideChk = new QCheckBox("Auto hide menus", page);
  AutoHideChk->setObjectName("AutoHideChk");
  HighliteChk = new QCheckBox("Enable highliting", page);
  HighliteChk->setObjectName("HighliteChk");
  DefFnEd = new QLineEdit(page);
  DefFnEd->setObjectName("DefFnEd");
  DefFTBox = new QComboBox(page);
  DefFTBox->setObjectName("DefFTBox");
  DefFTBox->addItems({"Text ASCII", "Text HTML", "Text CSS", "Text JavaScript"});
  LineBreakBox = new QComboBox(page);
  LineBreakBox->setObjectName("LineBreakBox");
  LineBreakBox->addItems({"as in the file", "CR LF", "LF"});
  KeepTabsChk = new QCheckBox("Keep tabs and blanks as they are", page);
  KeepTabsChk->setObjectName("KeepTabsChk");
  UndoSpn = new QSpinBox(page);
  UndoSpn->setObjectName("UndoSpn");
  UndoSpn->setRange(kMinUndoLevels, kMaxUndoLevels);
  UndoSpn->setValue(kMinUndoLevels);
  UndoSpn->setMaximumWidth(UndoSpn->fontMetrics().horizontalAdvance(QStringLiteral("0000")) * 4);
  EightBitBox = new QComboBox(page);
  EightBitBox->setObjectName("EightBitBox");
  for (std::string_view name : EightBitCodePages()) {
    const TEncoding encoding = CodePageEncoding(name);
    EightBitBox->addItem(QString::fromStdString(EncodingTitle(encoding)),
                         QString::fromStdString(EncodingName(encoding)));
  }

  form->addRow(NewLabel(page, FLabelCount, "Font face", FontBox), FontBox);
  form->addRow(NewLabel(page, FLabelCount, "Font Size", FontSpn), FontSpn);
  form->addRow(AutoHideChk);
  form->addRow(HighliteChk);
  form->addRow(NewLabel(page, FLabelCount, "Default filename", DefFnEd), DefFnEd);
  form->addRow(NewLabel(page, FLabelCount, "and type", DefFTBox), DefFTBox);
  form->addRow(NewLabel(page, FLabelCount, "Line breaks", LineBreakBox), LineBreakBox);
  form->addRow(KeepTabsChk);
  form->addRow(NewLabel(page, FLabelCount, "Undo levels", UndoSpn), UndoSpn);
  form->addRow(NewLabel(page, FLabelCount, "8-bit files are in:", EightBitBox), EightBitBox);
  return page;
}

TFilenameEdit* TSetupForm::ProgramEdit(const QString& name) {
  auto* edit = new TFilenameEdit;
  edit->setObjectName(name);
  edit->DialogTitle = kProgramDialogTitle;
  edit->Filter = kProgramFilter;
  edit->BrowseAction()->setObjectName(name + "Btn");
  edit->BrowseAction()->setText("Browse");
  edit->BrowseAction()->setToolTip("Browse");
  return edit;
}

QWidget* TSetupForm::BuildProgramsPage() {
  auto* page = new QWidget;
  page->setObjectName("ProgramsSheet");
  auto* form = new QFormLayout(page);
  NetscapeEd = ProgramEdit("NetscapeEd");
  MSIEEd = ProgramEdit("MSIEEd");
  CustomEd = ProgramEdit("CustomEd");
  ExtendedEd = ProgramEdit("ExtendedEd");
  form->addRow(NewLabel(page, FLabelCount, "Netscape", NetscapeEd), NetscapeEd);
  form->addRow(NewLabel(page, FLabelCount, "MSIE", MSIEEd), MSIEEd);
  form->addRow(NewLabel(page, FLabelCount, "Custom", CustomEd), CustomEd);
  form->addRow(NewLabel(page, FLabelCount, "Extended", ExtendedEd), ExtendedEd);
  return page;
}

void TSetupForm::LoadSettingsIntoDialog(const TFormStorage& storage) {
  NameEd->setText(storage.ReadString("username"));
  eMailEd->setText(storage.ReadString("useremail"));
  HomepageEd->setText(storage.ReadString("userurl"));
  FontBox->setCurrentIndex(storage.ReadInteger("fontindex"));
  FontBox->setEditText(storage.ReadString("fontname"));
  FontSpn->setValue(storage.ReadInteger("fontsize"));
  AutoHideChk->setChecked(storage.ReadBool("autohide"));
  HighliteChk->setChecked(storage.ReadBool("highlite"));
  NetscapeEd->setText(storage.ReadString("netscape"));
  MSIEEd->setText(storage.ReadString("msie"));
  CustomEd->setText(storage.ReadString("custom"));
  ExtendedEd->setText(storage.ReadString("extended"));
  FNotFirst = storage.ReadBool("notfirst");
  DefFnEd->setText(storage.ReadString("DefFn"));
  DefFTBox->setCurrentIndex(storage.ReadInteger("DefFT"));
  const int lineBreaks = storage.ReadInteger("linebreaks");
  LineBreakBox->setCurrentIndex(lineBreaks >= 0 && lineBreaks < LineBreakBox->count() ? lineBreaks : 0);
  KeepTabsChk->setChecked(storage.ReadBool("keeptabs"));
  UndoSpn->setValue(storage.ReadInteger("undolevels"));  // the box keeps it within its range
  ModernHTMLChk->setChecked(storage.ReadBool("modernhtml"));
  RelativeLinksChk->setChecked(storage.ReadBool("relativelinks"));
  const int eightBit = EightBitBox->findData(storage.ReadString("eightbit"));
  EightBitBox->setCurrentIndex(eightBit >= 0 ? eightBit
                                             : EightBitBox->findData(QStringLiteral("windows-1252")));
}

QString TSetupForm::SiblingProgramPath() {
  const auto settings = OpenUserSettings(QStringLiteral("Orvex"), QStringLiteral("Tarn3"));
  return settings ? settings->value("Path").toString() : QString();
}

QString TSetupForm::FindProgram(const QStringList& names) {
  for (const QString& name : names) {
    const QString path = QStandardPaths::findExecutable(name);
    if (!path.isEmpty()) return path;
  }
  return {};
}

void TSetupForm::ApplyFirstRunDefaults(const QString& defaultFileName) {
  ExtendedEd->setText(SiblingProgramPath());
  // The two browser buttons work at once with the browsers of this machine; a path the user has
  // set stays.
  if (NetscapeEd->text().isEmpty()) NetscapeEd->setText(FindProgram({"firefox-esr", "firefox"}));
  if (MSIEEd->text().isEmpty()) MSIEEd->setText(FindProgram({"chromium", "google-chrome"}));
  FontSpn->setValue(10);
  FontBox->setEditText("Courier New");
  HighliteChk->setChecked(true);
  DefFnEd->setText(defaultFileName);
  DefFTBox->setCurrentIndex(0);
}

void TSetupForm::StoreDialog(TFormStorage& storage) const {
  storage.WriteString("username", NameEd->text());
  storage.WriteString("useremail", eMailEd->text());
  storage.WriteString("userurl", HomepageEd->text());
  storage.WriteInteger("fontindex", FontBox->currentIndex());
  storage.WriteString("fontname", FontBox->currentText());
  storage.WriteInteger("fontsize", FontSpn->value());
  storage.WriteBool("autohide", AutoHideChk->isChecked());
  storage.WriteBool("highlite", HighliteChk->isChecked());
  storage.WriteString("netscape", NetscapeEd->text());
  storage.WriteString("msie", MSIEEd->text());
  storage.WriteString("custom", CustomEd->text());
  storage.WriteString("extended", ExtendedEd->text());
  storage.WriteString("DefFn", DefFnEd->text());
  storage.WriteInteger("DefFT", DefFTBox->currentIndex());
  storage.WriteInteger("linebreaks", LineBreakBox->currentIndex());
  storage.WriteBool("keeptabs", KeepTabsChk->isChecked());
  storage.WriteInteger("undolevels", UndoSpn->value());
  storage.WriteBool("modernhtml", ModernHTMLChk->isChecked());
  storage.WriteBool("relativelinks", RelativeLinksChk->isChecked());
  storage.WriteString("eightbit", EightBitBox->currentData().toString());
}

TSettingsValues TSetupForm::DialogValues() const {
  TSettingsValues v;
  v.FontName = FontBox->currentText();
  v.FontSize = FontSpn->value();
  v.AutoHide = AutoHideChk->isChecked();
  v.HighlightEnabled = HighliteChk->isChecked();
  v.Netscape = NetscapeEd->text();
  v.MSIE = MSIEEd->text();
  v.Custom = CustomEd->text();
  v.Extended = ExtendedEd->text();
  v.UserName = NameEd->text();
  v.UserEmail = eMailEd->text();
  v.UserUrl = HomepageEd->text();
  v.DefaultFileName = DefFnEd->text();
  v.DefaultFileType = DefFTBox->currentIndex();
  v.LineBreaks = LineBreakBox->currentIndex();
  v.KeepTabs = KeepTabsChk->isChecked();
  v.UndoLevels = UndoSpn->value();
  v.ModernHTML = ModernHTMLChk->isChecked();
  v.RelativeLinks = RelativeLinksChk->isChecked();
  v.EightBit = EightBitBox->currentData().toString();
  return v;
}

void TSetupForm::ApplySettings() {
  if (OnApplySettings) OnApplySettings(DialogValues());
}

void TSetupForm::ApplyBtnClick() {
  if (FStorage) StoreDialog(*FStorage);
  ApplySettings();
  accept();
  // Kept at once, not only when the program ends.
  if (FStorage) FStorage->Flush();
}

void TSetupForm::CancelBtnClick() { reject(); }

void TSetupForm::HelpBtnClick() { ShowHelpTopic(kSetupHelpTopic, this); }

void TSetupForm::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (QScreen* s = screen()) {
    QRect frame = frameGeometry();
    frame.moveCenter(s->availableGeometry().center());
    move(frame.topLeft());
  }
}

void RunSettingsStartup(TSetupForm& setup, TFormStorage& storage, const QString& defaultFileName) {
  setup.SetStorage(&storage);
  setup.LoadSettingsIntoDialog(storage);
  if (!setup.NotFirst()) setup.ApplyFirstRunDefaults(defaultFileName);
  storage.WriteBool("notfirst", true);
  setup.ApplySettings();
  setup.ApplyBtnClick();
}
