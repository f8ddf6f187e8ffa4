#include "EncodingDlg.h"

#include <QInputDialog>
#include <QStringList>
#include <vector>

namespace {

class TListDialogs : public TEncodingDialogs {
 public:
  bool Choose(QWidget* Parent, const QString& Title, const TEncoding& Current, TEncoding* Chosen) override {
    const std::vector<TEncoding> all = DocumentEncodings();
    QStringList titles;
    int current = 0;
    // A UTF-16 file without its mark is offered as the UTF-16 it is.
    TEncoding listed = Current;
    if (listed.Kind == ekUtf16LE || listed.Kind == ekUtf16BE) listed.Bom = true;
    for (const TEncoding& encoding : all) {
      if (encoding == listed) current = int(titles.size());
      titles << QString::fromStdString(EncodingTitle(encoding));
    }
    bool ok = false;
    const QString picked =
        QInputDialog::getItem(Parent, Title, QStringLiteral("Encoding:"), titles, current, false, &ok);
    const auto at = titles.indexOf(picked);
    if (!ok || at < 0) return false;
    *Chosen = all[std::size_t(at)];
    return true;
  }
};

TListDialogs ListDialogs;
TEncodingDialogs* Current = &ListDialogs;

}  // namespace

TEncodingDialogs& EncodingDialogs() { return *Current; }

void SetEncodingDialogs(TEncodingDialogs* Dialogs) { Current = Dialogs ? Dialogs : &ListDialogs; }
