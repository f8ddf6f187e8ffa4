// A hierarchical key/value store (the registry's role) and a cursor over it that opens one key at a time.
#pragma once
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <variant>

using TxeStoreValue = std::variant<std::int32_t, std::string>;

// Paths are key names joined by '\' without a leading or trailing separator; "" is the root.
class TxeKeyStore {
 public:
  virtual ~TxeKeyStore() = default;
  virtual bool KeyExists(const std::string& Path) const = 0;
  // Creates the key and its missing parents; true when the key exists afterwards.
  virtual bool CreateKey(const std::string& Path) = 0;
  virtual std::optional<TxeStoreValue> ReadValue(const std::string& Path, const std::string& Name) const = 0;
  // The key exists already when this is called.
  virtual bool WriteValue(const std::string& Path, const std::string& Name, const TxeStoreValue& Value) = 0;
};

// In-memory store; key names compare case-insensitively as registry keys do.
class TxeMemKeyStore : public TxeKeyStore {
 public:
  bool KeyExists(const std::string& Path) const override;
  bool CreateKey(const std::string& Path) override;
  std::optional<TxeStoreValue> ReadValue(const std::string& Path, const std::string& Name) const override;
  bool WriteValue(const std::string& Path, const std::string& Name, const TxeStoreValue& Value) override;

  // Test hooks: remove a key with its subkeys, or one value.
  void DeleteKey(const std::string& Path);
  void DeleteValue(const std::string& Path, const std::string& Name);
  int KeyCount() const { return static_cast<int>(FKeys.size()); }

 private:
  struct TKey {
    std::map<std::string, TxeStoreValue> Values;  // by upper-cased name
  };
  std::map<std::string, TKey> FKeys;  // by upper-cased path
};

// Opens keys of a store one at a time, like a registry object: a key starting with '\' is absolute,
// any other is relative to the open key.
class TxeRegistry {
 public:
  explicit TxeRegistry(TxeKeyStore& Store) : FStore(Store) {}

  bool OpenKey(const std::string& Key, bool CanCreate);
  bool OpenKeyReadOnly(const std::string& Key);
  void CloseKey();
  bool IsOpen() const { return FOpen; }
  const std::string& CurrentPath() const { return FPath; }

  bool ValueExists(const std::string& Name) const;
  std::optional<std::int32_t> ReadInteger(const std::string& Name) const;
  std::optional<std::string> ReadString(const std::string& Name) const;
  bool WriteInteger(const std::string& Name, std::int32_t Value);
  bool WriteString(const std::string& Name, const std::string& Value);

 private:
  std::string Resolve(const std::string& Key) const;

  TxeKeyStore& FStore;
  std::string FPath;
  bool FOpen = false;
  bool FReadOnly = false;
};
