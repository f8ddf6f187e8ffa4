#include "xeKeyStore.h"

#include <cctype>

namespace {

std::string Upper(const std::string& S) {
  std::string R(S);
  for (char& C : R) C = static_cast<char>(std::toupper(static_cast<unsigned char>(C)));
  return R;
}

// Drops empty components so that "a\\b\" and "a\b" name the same key.
std::string Normalize(const std::string& Path) {
  std::string R;
  std::size_t I = 0;
  while (I < Path.size()) {
    std::size_t J = Path.find('\\', I);
    if (J == std::string::npos) J = Path.size();
    if (J > I) {
      if (!R.empty()) R += '\\';
      R.append(Path, I, J - I);
    }
    I = J + 1;
  }
  return R;
}

}  // namespace

// ---- TxeMemKeyStore -------------------------------------------------------------------------------------

bool TxeMemKeyStore::KeyExists(const std::string& Path) const {
  const std::string P = Upper(Normalize(Path));
  return P.empty() || FKeys.count(P) > 0;
}

bool TxeMemKeyStore::CreateKey(const std::string& Path) {
  const std::string P = Upper(Normalize(Path));
  for (std::size_t I = P.find('\\'); I != std::string::npos; I = P.find('\\', I + 1)) FKeys[P.substr(0, I)];
  if (!P.empty()) FKeys[P];
  return true;
}

std::optional<TxeStoreValue> TxeMemKeyStore::ReadValue(const std::string& Path,
                                                       const std::string& Name) const {
  auto K = FKeys.find(Upper(Normalize(Path)));
  if (K == FKeys.end()) return std::nullopt;
  auto V = K->second.Values.find(Upper(Name));
  if (V == K->second.Values.end()) return std::nullopt;
  return V->second;
}

bool TxeMemKeyStore::WriteValue(const std::string& Path, const std::string& Name,
                                const TxeStoreValue& Value) {
  auto K = FKeys.find(Upper(Normalize(Path)));
  if (K == FKeys.end()) return false;
  K->second.Values[Upper(Name)] = Value;
  return true;
}

void TxeMemKeyStore::DeleteKey(const std::string& Path) {
  const std::string P = Upper(Normalize(Path));
  for (auto It = FKeys.begin(); It != FKeys.end();) {
    if (It->first == P || It->first.starts_with(P + "\\"))
      It = FKeys.erase(It);
    else
      ++It;
  }
}

void TxeMemKeyStore::DeleteValue(const std::string& Path, const std::string& Name) {
  auto K = FKeys.find(Upper(Normalize(Path)));
  if (K != FKeys.end()) K->second.Values.erase(Upper(Name));
}

// ---- TxeRegistry ----------------------------------------------------------------------------------------

std::string TxeRegistry::Resolve(const std::string& Key) const {
  if (!Key.empty() && Key[0] == '\\') return Normalize(Key);
  if (!FOpen || FPath.empty()) return Normalize(Key);
  return Normalize(FPath + "\\" + Key);
}

bool TxeRegistry::OpenKey(const std::string& Key, bool CanCreate) {
  const std::string P = Resolve(Key);
  if (!FStore.KeyExists(P) && !(CanCreate && FStore.CreateKey(P))) return false;
  FPath = P;
  FOpen = true;
  FReadOnly = false;
  return true;
}

bool TxeRegistry::OpenKeyReadOnly(const std::string& Key) {
  const std::string P = Resolve(Key);
  if (!FStore.KeyExists(P)) return false;
  FPath = P;
  FOpen = true;
  FReadOnly = true;
  return true;
}

void TxeRegistry::CloseKey() {
  FOpen = false;
  FReadOnly = false;
  FPath.clear();
}

bool TxeRegistry::ValueExists(const std::string& Name) const {
  return FOpen && FStore.ReadValue(FPath, Name).has_value();
}

std::optional<std::int32_t> TxeRegistry::ReadInteger(const std::string& Name) const {
  if (!FOpen) return std::nullopt;
  auto V = FStore.ReadValue(FPath, Name);
  if (!V || !std::holds_alternative<std::int32_t>(*V)) return std::nullopt;
  return std::get<std::int32_t>(*V);
}

std::optional<std::string> TxeRegistry::ReadString(const std::string& Name) const {
  if (!FOpen) return std::nullopt;
  auto V = FStore.ReadValue(FPath, Name);
  if (!V || !std::holds_alternative<std::string>(*V)) return std::nullopt;
  return std::get<std::string>(*V);
}

bool TxeRegistry::WriteInteger(const std::string& Name, std::int32_t Value) {
  return FOpen && !FReadOnly && FStore.WriteValue(FPath, Name, Value);
}

bool TxeRegistry::WriteString(const std::string& Name, const std::string& Value) {
  return FOpen && !FReadOnly && FStore.WriteValue(FPath, Name, Value);
}
