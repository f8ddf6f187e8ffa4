// TFormStorage: the per-user settings store of the main window.
// Values live in memory as text; the backing store is the INI file QSettings("Orvex", "QN") would use,
// read only when it is a plain file. Once read, every change of a value is written back soon after (and
// everything again when the window closes). The same file keeps the main window's placement.
#pragma once

#include <QHash>
#include <QObject>
#include <QString>
#include <QStringList>

class QSettings;
class QWidget;

class TFormStorage : public QObject {
  Q_OBJECT
 public:
  enum TStoredKind { skString, skInteger, skBoolean };

  explicit TFormStorage(QObject* parent = nullptr);
  ~TFormStorage() override;

  // The stored names: the layout's fifteen in the order of the Setup dialog, then the program's own.
  static const QStringList& StoredNames();
  static TStoredKind KindOf(const QString& name);
  // Every stored name with its default text.
  static QHash<QString, QString> LayoutDefaults();
  // The stored names present in Settings, each in its text form.
  static QHash<QString, QString> StoredValuesIn(const QSettings& settings);

  // Back to the layout defaults, then every stored name present in the backing store. When that is not a
  // plain file, it is left alone for reading and writing, and Problem says so.
  void ReadValues();
  // Every stored name, written in its text form.
  void WriteValues();
  // Writes now what was changed since the values were read or last written.
  void Flush();
  // Why the stored values could not be read (empty when they could), for the user to be told once.
  const QString& Problem() const { return FProblem; }

  QString ReadString(const QString& name) const;
  int ReadInteger(const QString& name) const;
  bool ReadBool(const QString& name) const;
  void WriteString(const QString& name, const QString& value);
  void WriteInteger(const QString& name, int value);
  void WriteBool(const QString& name, bool value);

  // Text forms of the stored kinds; parsing failures give the layout default.
  static QString BoolText(bool value);
  static bool ParseBool(const QString& text, bool fallback);
  static int ParseInteger(const QString& text, int fallback);

  // False when no placement is stored.
  bool RestorePlacement(QWidget* form);
  // The placement of a first start: two thirds of the screen's available area, centred.
  static void FirstPlacement(QWidget* form);
  void SavePlacement(QWidget* form);

  // Reads values and placement on the form's first showing, writes them when the
  // form is closed (hidden by the program) or, failing that, when it is destroyed.
  void Attach(QWidget* form);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void SetLayoutDefaults();

  QHash<QString, QString> FValues;
  QWidget* FForm = nullptr;
  bool FShown = false;
  bool FDirtySinceWrite = false;
  bool FRead = false;     // the values came from the backing file, which changes then follow
  bool FChanged = false;  // a value differs from what was last read or written
  bool FFlushPending = false;
  QString FProblem;
};
