#include "xeHighlighter.h"

#include <algorithm>
#include <cctype>

namespace {

std::string UpperCase(const std::string& S) {
  std::string R(S);
  for (char& C : R) C = static_cast<char>(std::toupper(static_cast<unsigned char>(C)));
  return R;
}

}  // namespace

// ---- TxeMethodChain -------------------------------------------------------------------------------------

void TxeMethodChain::Add(const void* Object, TNotifyEvent Handler, std::uintptr_t Code) {
  FMethods.push_back({Object, Code, std::move(Handler), FNextSerial++});
}

void TxeMethodChain::Remove(const void* Object, std::uintptr_t Code) {
  for (std::size_t I = FMethods.size(); I-- > 0;)
    if (FMethods[I].Object == Object && FMethods[I].Code == Code) FMethods.erase(FMethods.begin() + I);
}

void TxeMethodChain::Fire() {
  // Handlers may add or remove pairs while the chain fires: walk the pairs present at the start and skip
  // those removed meanwhile, so that a removal never makes the walk jump over a handler.
  std::vector<std::uint64_t> Walk;
  Walk.reserve(FMethods.size());
  for (const auto& M : FMethods) Walk.push_back(M.Serial);
  std::size_t Hint = 0;
  for (std::uint64_t Serial : Walk) {
    while (Hint < FMethods.size() && FMethods[Hint].Serial < Serial) ++Hint;
    if (Hint >= FMethods.size() || FMethods[Hint].Serial != Serial) continue;
    TNotifyEvent Handler = FMethods[Hint].Handler;  // the handler may remove itself while it runs
    try {
      if (Handler) Handler(FireSender());
    } catch (...) {
      if (!FExceptionHandler) throw;
      bool DoContinue = true;
      try {
        FExceptionHandler(this, std::current_exception(), DoContinue);
      } catch (...) {
        throw ExeMethodChain(std::string(ClassName()) +
                             ".DoHandleException : MUST NOT occur any kind of exception in ExceptionHandler");
      }
      if (!DoContinue) return;
    }
    Hint = 0;  // the list may have shifted
  }
}

// ---- TxeCustomHighLighter -------------------------------------------------------------------------------

TxeCustomHighLighter::TxeCustomHighLighter() : FChangeChain(this) {}

TxeCustomHighLighter::~TxeCustomHighLighter() {
  std::vector<TFreeHook> Hooks;
  Hooks.swap(FFreeHooks);
  for (auto& Hook : Hooks)
    if (Hook.Handler) Hook.Handler(this);
  while (!FAttributes.empty()) FAttributes.pop_back();  // last entry first
}

const TxeCharSet& TxeCustomHighLighter::WordCharacters() const {
  static const TxeCharSet Set = [] {
    TxeCharSet S;
    for (int C = 33; C <= 255; ++C) S.set(static_cast<std::size_t>(C));
    return S;
  }();
  return Set;
}

int TxeCustomHighLighter::AttributeCount() const { return static_cast<int>(FAttributes.size()); }

TxeHighLightAttributes* TxeCustomHighLighter::AttributeAt(int Index) const {
  if (Index < 0 || Index >= AttributeCount()) return nullptr;
  return FAttributes[static_cast<std::size_t>(Index)].Attr.get();
}

void TxeCustomHighLighter::SetDefaultFilter(const std::string& Value) {
  if (Value != FDefaultFilter) FDefaultFilter = Value;
}

bool TxeCustomHighLighter::ApplyUserSettings(int) { return false; }

void TxeCustomHighLighter::ListUserSettings(std::vector<std::string>& List) { List.clear(); }

void TxeCustomHighLighter::AddAttribute(std::unique_ptr<TxeHighLightAttributes> A) {
  TAttrEntry Entry{UpperCase(A->Name()), std::move(A)};
  auto Pos = std::lower_bound(FAttributes.begin(), FAttributes.end(), Entry.Key,
                              [](const TAttrEntry& E, const std::string& K) { return E.Key < K; });
  if (Pos != FAttributes.end() && Pos->Key == Entry.Key)
    throw std::runtime_error("String list does not allow duplicates");
  FAttributes.insert(Pos, std::move(Entry));
}

void TxeCustomHighLighter::SetAttributeChangeHandler(const TNotifyEvent& Handler) {
  for (auto& E : FAttributes) E.Attr->OnChange = Handler;
}

void TxeCustomHighLighter::AttributeChanged(TObject*) { FChangeChain.Fire(); }

void TxeCustomHighLighter::AddChangeHook(const void* Object, TNotifyEvent Handler, std::uintptr_t Code) {
  FChangeChain.Add(Object, std::move(Handler), Code);
}

void TxeCustomHighLighter::RemoveChangeHook(const void* Object, std::uintptr_t Code) {
  FChangeChain.Remove(Object, Code);
}

void TxeCustomHighLighter::AddFreeNotification(const void* Object,
                                               std::function<void(TxeCustomHighLighter*)> Handler) {
  RemoveFreeNotification(Object);
  FFreeHooks.push_back({Object, std::move(Handler)});
}

void TxeCustomHighLighter::RemoveFreeNotification(const void* Object) {
  std::erase_if(FFreeHooks, [Object](const TFreeHook& H) { return H.Object == Object; });
}

void TxeCustomHighLighter::DoScanToLineEnd() {
  while (!AtLineEnd()) Advance();
}

bool TxeCustomHighLighter::SaveToRegistry(TxeKeyStore& RootKey, const std::string& Key) {
  TxeRegistry Reg(RootKey);
  if (!Reg.OpenKey(Key, true)) return false;
  bool Result = true;
  for (std::size_t I = 0; I < FAttributes.size() && Result; ++I)
    Result = FAttributes[I].Attr->SaveToRegistry(Reg);
  Reg.CloseKey();
  return Result;
}

bool TxeCustomHighLighter::LoadFromRegistry(TxeKeyStore& RootKey, const std::string& Key) {
  TxeRegistry Reg(RootKey);
  if (!Reg.OpenKeyReadOnly(Key)) return false;
  bool Result = true;
  for (std::size_t I = 0; I < FAttributes.size() && Result; ++I)
    Result = FAttributes[I].Attr->LoadFromRegistry(Reg);
  Reg.CloseKey();
  return Result;
}

// ---- class list -----------------------------------------------------------------------------------------

int THighlighterList::IndexOf(TxeCustomHighLighterClass Class) const {
  auto It = std::find(FList.begin(), FList.end(), Class);
  return It == FList.end() ? -1 : static_cast<int>(It - FList.begin());
}

THighlighterList& HighlighterList() {
  static THighlighterList List;  // created on first registration, freed at exit
  return List;
}

void RegisterHighlighterClass(TxeCustomHighLighterClass Class) {
  if (HighlighterList().IndexOf(Class) < 0) HighlighterList().Add(Class);
}
