// Encoding declarations in arbitrary text: reading finds the first declaration of a known encoding, and
// the change to any encoding puts the new label where the first declaration's stood, after which the
// text declares that encoding and wants no further change.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "CharsetDeclaration.h"
#include "FuzzCheck.h"

// Input: a byte choosing page or style sheet and the encoding saved, then the text.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 1) return 0;
  static const std::vector<TEncoding> encodings = DocumentEncodings();
  const TDeclarations kind = data[0] % 2 ? dcHTML : dcCSS;
  const TEncoding& saved = encodings[data[0] / 2 % encodings.size()];
  const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);

  const auto known = FindCharsetDeclaration(text, kind, true);
  const std::string_view label = kind == dcHTML ? HtmlCharsetLabel(text) : CssCharsetLabel(text);
  CHECK(known ? known->Label == label && text.substr(known->Start, label.size()) == label : label.empty());
  const auto any = FindCharsetDeclaration(text, kind, false);
  CHECK(!known || (any && any->Start <= known->Start));
  CHECK(!any || (any->End() <= text.size() && text.substr(any->Start, any->Label.size()) == any->Label));

  const auto change = DeclarationChangeFor(text, kind, saved);
  if (!change) {
    CHECK(!any || DeclarationFits(any->Label, saved));
    return 0;
  }
  CHECK(any && change->Start == any->Start && change->End == any->End() && change->Old == any->Label);
  std::string changed(text);
  changed.replace(change->Start, change->End - change->Start, change->New);
  // A longer label at the edge of the reach may take the declaration out of it.
  if (change->End + 32 < DeclarationReach) {
    const auto after = FindCharsetDeclaration(changed, kind, false);
    CHECK(after && after->Start == change->Start && after->Label == change->New);
    CHECK(!DeclarationChangeFor(changed, kind, saved));
  }
  return 0;
}
