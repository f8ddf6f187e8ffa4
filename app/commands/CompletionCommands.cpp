#include "CompletionCommands.h"

#include <QFile>

#include <algorithm>
#include <vector>

#include "CompletionPlace.h"
#include "CompletionWords.h"
#include "DocumentTypes.h"
#include "main.h"
#include "xeCompletionProposal.h"
#include "xeCustomEdit.h"

// Resources of a static library are registered by hand, from the global namespace.
static void InitCompletionData() { Q_INIT_RESOURCE(completion); }

namespace {

// How much text around the caret is read, so that a huge document costs no more than a small one.
constexpr std::size_t kTextWindow = 1 << 20;

QByteArray Resource(const char* Name) {
  QFile file(QString::fromLatin1(Name));
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

const TCompletionWords& StandardWords() {
  static const TCompletionWords words = [] {
    InitCompletionData();
    const QByteArray html = Resource(":/completion/html.txt");
    const QByteArray js = Resource(":/completion/js.txt");
    return TCompletionWords(html.toStdString(), js.toStdString());
  }();
  return words;
}

// Up to Limit bytes before the caret, lines joined by LF; a caret past the line's end stands after
// the blanks the editor would fill in.
std::string TextBeforeCaret(const TxeEditModel& Editor, std::size_t Limit) {
  const int caretLine = Editor.CaretLine();
  const std::string_view current = Editor.LineText(caretLine);
  const std::size_t col = std::size_t(std::max(Editor.CaretCol() - 1, 0));
  std::string pad(col > current.size() ? std::min(col - current.size(), Limit) : 0, ' ');
  std::vector<std::string_view> parts{current.substr(0, std::min(col, current.size()))};
  std::size_t size = parts.back().size() + pad.size();
  for (int y = caretLine - 1; y >= 1 && size < Limit; --y) {
    const std::string_view line = Editor.LineText(y);
    parts.push_back(line.substr(line.size() - std::min(line.size(), Limit - size)));
    size += parts.back().size() + 1;
  }
  std::string text;
  text.reserve(size);
  for (auto it = parts.rbegin(); it != parts.rend(); ++it) {
    if (it != parts.rbegin()) text += '\n';
    text += *it;
  }
  return text + pad;
}

// Up to Limit bytes after the caret, lines joined by LF.
std::string TextAfterCaret(const TxeEditModel& Editor, std::size_t Limit) {
  const int caretLine = Editor.CaretLine();
  const std::string_view current = Editor.LineText(caretLine);
  const std::size_t col = std::min(std::size_t(std::max(Editor.CaretCol() - 1, 0)), current.size());
  std::string text(current.substr(col, Limit));
  for (int y = caretLine + 1, n = Editor.LineCount(); y <= n && text.size() < Limit; ++y) {
    text += '\n';
    text += Editor.LineText(y).substr(0, Limit - text.size());
  }
  return text;
}

// The script whose identifiers are offered: around the caret, without the word being written.
std::string ScriptAround(int DocType, const TCompletionPlace& Place, std::string_view Before,
                         std::string_view After) {
  const std::string_view head =
      Before.substr(Place.Start, Before.size() - Place.Start - Place.Fragment.size());
  const std::size_t wordRest =
      std::min(After.find_first_not_of("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789_$"),
               After.size());
  After.remove_prefix(wordRest);
  if (DocType == dtHTML) After = After.substr(0, ScriptElementEnd(After));
  std::string text(head);
  text += '\n';
  text += After;
  return text;
}

}  // namespace

void InstallCompletion(TMainForm& form) {
  auto* completion = form.findChild<TXeCompletionProposal*>(QStringLiteral("XeCompletionProposal1"));
  if (!completion) return;
  completion->SetFilterItems(true);
  completion->SetTabValidates(true);
  completion->OnPlace = [&form](TxeCustomEdit* Editor, QString& Fragment, QStringList& Items) {
    int type = form.DocType();
    if (type == dtNone) type = DocTypeOf(form.DocFileName);
    const std::string before = TextBeforeCaret(*Editor, kTextWindow);
    const TCompletionPlace place = FindCompletionPlace(type, before);
    if (place.Kind == cpNone) return false;
    std::string script;
    if (place.Kind == cpScript)
      script = ScriptAround(type, place, before, TextAfterCaret(*Editor, kTextWindow));
    Items.clear();
    for (const std::string& entry : StandardWords().Entries(place, script))
      Items << QString::fromStdString(entry);
    Fragment = QString::fromStdString(place.Fragment);
    return !Items.isEmpty();
  };
  completion->AttachEditor(form.Memo1);
}
