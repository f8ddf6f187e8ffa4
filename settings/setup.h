// TSetupForm: the Setup dialog, and the settings it hands to the main window.
#pragma once

#include <QDialog>
#include <QFont>
#include <functional>

class QCheckBox;
class QComboBox;
class QFontComboBox;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QTabWidget;
class TFilenameEdit;
class TFormStorage;

// Default file name for New before any setting is applied.
QString DefaultUntitledName();

// The live settings of the main window, as Apply hands them over.
struct TSettingsValues {
  QString FontName;
  int FontSize = 0;
  bool AutoHide = false;
  bool HighlightEnabled = true;
  QString Netscape;
  QString MSIE;
  QString Custom;
  QString Extended;
  QString UserName;
  QString UserEmail;
  QString UserUrl;
  QString DefaultFileName = DefaultUntitledName();
  int DefaultFileType = 0;  // 0 txt, 1 html, 2 css, 3 js; -1 nothing chosen
  int LineBreaks = 0;       // 0 as in the file, 1 CR LF, 2 LF
  bool KeepTabs = false;    // no tab and blank exchange
  int UndoLevels = 2;
  bool ModernHTML = false;
  bool RelativeLinks = false;
  QString EightBit = QStringLiteral("windows-1252");  // code page of 8-bit files no detector recognises
};

// The editor's font with the chosen face and size; an empty face or a size below one
// keeps what the editor has, so a blank setting never leaves it with a proportional font.
QFont SettingsFont(const QFont& current, const QString& fontName, int fontSize);
// The same, given to a widget through QWidget::setFont.
void ApplyEditorFont(QWidget* editor, const QString& fontName, int fontSize);

class TSetupForm : public QDialog {
  Q_OBJECT
 public:
  explicit TSetupForm(QWidget* parent = nullptr);

  // Called by ApplySettings with the dialog's values. The receiver updates the editor
  // font and its live settings, and handles the highlighter (start-up guard included).
  std::function<void(const TSettingsValues&)> OnApplySettings;

  // The store that the Apply button writes into.
  void SetStorage(TFormStorage* storage) { FStorage = storage; }

  void LoadSettingsIntoDialog(const TFormStorage& storage);
  void ApplyFirstRunDefaults(const QString& defaultFileName);
  void StoreDialog(TFormStorage& storage) const;
  TSettingsValues DialogValues() const;
  void ApplySettings();

  void ApplyBtnClick();
  void CancelBtnClick();
  void HelpBtnClick();

  // The first-run marker as last loaded into the dialog.
  bool NotFirst() const { return FNotFirst; }

  // The sibling product's program path, empty when it has none.
  static QString SiblingProgramPath();
  // The full path of the first of the programs found in PATH, empty when none is.
  static QString FindProgram(const QStringList& names);

  QTabWidget* PageControl1 = nullptr;
  QLineEdit* NameEd = nullptr;
  QLineEdit* eMailEd = nullptr;
  QLineEdit* HomepageEd = nullptr;
  QCheckBox* ModernHTMLChk = nullptr;
  QCheckBox* RelativeLinksChk = nullptr;
  QFontComboBox* FontBox = nullptr;
  QSpinBox* FontSpn = nullptr;
  QCheckBox* AutoHideChk = nullptr;
  QCheckBox* HighliteChk = nullptr;
  QLineEdit* DefFnEd = nullptr;
  QComboBox* DefFTBox = nullptr;
  QComboBox* LineBreakBox = nullptr;
  QCheckBox* KeepTabsChk = nullptr;
  QSpinBox* UndoSpn = nullptr;
  QComboBox* EightBitBox = nullptr;
  TFilenameEdit* NetscapeEd = nullptr;
  TFilenameEdit* MSIEEd = nullptr;
  TFilenameEdit* CustomEd = nullptr;
  TFilenameEdit* ExtendedEd = nullptr;
  QPushButton* ApplyBtn = nullptr;
  QPushButton* CancelBtn = nullptr;
  QPushButton* HelpBtn = nullptr;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  QWidget* BuildUserPage();
  QWidget* BuildEditorPage();
  QWidget* BuildProgramsPage();
  TFilenameEdit* ProgramEdit(const QString& name);

  TFormStorage* FStorage = nullptr;
  bool FNotFirst = false;
  int FLabelCount = 0;
};

// The settings part of the main window's first showing: load the stored values into
// the dialog, fill the first-run defaults when needed, mark the first run done, apply,
// then store everything and apply again through the Apply button.
void RunSettingsStartup(TSetupForm& setup, TFormStorage& storage, const QString& defaultFileName);
