// Highlighter framework: token attributes, notification chains, the highlighter base class and the class
// list.
//
// A highlighter cuts one line at a time into tokens. The caller keeps one range value per line:
//   RestoreRange(range of line i); BeginLine(text of line i, i); ScanToLineEnd(); CurrentRange() -> line i+1.
// The line text must be zero-terminated and stay unchanged until the next BeginLine; a zero byte ends it.
#pragma once
#include <cstdint>
#include <exception>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "xeKeyStore.h"
#include "xeTypes.h"

// Colours and font style of one token kind.
class TxeHighLightAttributes : public TObject {
 public:
  explicit TxeHighLightAttributes(std::string Name);
  const char* ClassName() const override { return "TxeHighLightAttributes"; }

  TColor Background() const { return FBackground; }
  TColor Foreground() const { return FForeground; }
  TFontStyles Style() const { return FStyle; }
  const std::string& Name() const { return FName; }
  void SetBackground(TColor Value);
  void SetForeground(TColor Value);
  void SetStyle(TFontStyles Value);

  // Copies name, colours and style; OnChange fires once when a colour or the style changed.
  virtual void Assign(const TxeHighLightAttributes& Source);

  bool LoadFromRegistry(TxeRegistry& Reg);
  bool SaveToRegistry(TxeRegistry& Reg);
  // Reads colours from an IDE's palette-based entry (old comma layout or new per-value layout).
  virtual bool ImportIdeColors(TxeKeyStore& RootKey, const std::string& Key, const std::string& ValueName,
                               bool OldLayout);

  TNotifyEvent OnChange;  // sender: this attribute

 private:
  void Changed();

  TColor FBackground = clNone;
  TColor FForeground = clNone;
  TFontStyles FStyle = 0;
  std::string FName;
};

// Raised when a chain's exception handler itself fails.
class ExeMethodChain : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Ordered list of (handler, object) pairs fired in the order added.
class TxeMethodChain : public TObject {
 public:
  // Gets the chain, the failure and a continue flag preset to true; leaving it false ends the walk.
  using TxeExceptionEvent =
      std::function<void(TxeMethodChain* Sender, std::exception_ptr E, bool& DoContinue)>;

  const char* ClassName() const override { return "TxeMethodChain"; }

  // Object and Code identify the pair for Remove (a method pointer's two halves); no duplicate check.
  void Add(const void* Object, TNotifyEvent Handler, std::uintptr_t Code = 0);
  // Removes every pair with this object and code.
  void Remove(const void* Object, std::uintptr_t Code = 0);
  void Fire();
  void SetExceptionHandler(TxeExceptionEvent Handler) { FExceptionHandler = std::move(Handler); }
  int Count() const { return static_cast<int>(FMethods.size()); }

 protected:
  virtual TObject* FireSender() { return nullptr; }

 private:
  struct TMethod {
    const void* Object;
    std::uintptr_t Code;
    TNotifyEvent Handler;
    std::uint64_t Serial;
  };
  std::vector<TMethod> FMethods;
  std::uint64_t FNextSerial = 0;
  TxeExceptionEvent FExceptionHandler;
};

// A chain of notify handlers that all get the same sender.
class TxeNotifyEventChain : public TxeMethodChain {
 public:
  explicit TxeNotifyEventChain(TObject* Sender) : FSender(Sender) {}
  const char* ClassName() const override { return "TxeNotifyEventChain"; }
  TObject* Sender() const { return FSender; }

 protected:
  TObject* FireSender() override { return FSender; }

 private:
  TObject* FSender;
};

// Receives the tokens of AdvanceForExport.
class TxeExportSink {
 public:
  virtual ~TxeExportSink() = default;
  virtual void FormatToken(const std::string& TokenText, TxeHighLightAttributes* Attribute, bool IsSpace,
                           bool Flag) = 0;
};

using TTokenEvent =
    std::function<void(TObject* Sender, int TokenKind, const std::string& TokenText, int LineNo)>;

class TxeCustomHighLighter;

// A registered highlighter class: its name and a way to make an instance.
struct TxeHighlighterClassInfo {
  const char* ClassName;
  std::unique_ptr<TxeCustomHighLighter> (*Create)();
};
using TxeCustomHighLighterClass = const TxeHighlighterClassInfo*;

class TxeCustomHighLighter : public TObject {
 public:
  TxeCustomHighLighter();
  ~TxeCustomHighLighter() override;
  TxeCustomHighLighter(const TxeCustomHighLighter&) = delete;
  TxeCustomHighLighter& operator=(const TxeCustomHighLighter&) = delete;
  const char* ClassName() const override { return "TxeCustomHighLighter"; }

  virtual const TxeCharSet& WordCharacters() const;
  virtual int AttributeCount() const;
  // Attributes in ascending case-insensitive order of their names; null outside 0..count-1.
  virtual TxeHighLightAttributes* AttributeAt(int Index) const;
  // 0 space, 1 comment, 2 reserved word; null otherwise.
  virtual TxeHighLightAttributes* StandardAttribute(int Index) const = 0;
  virtual std::string GetDefaultFilter() const { return FDefaultFilter; }
  virtual void SetDefaultFilter(const std::string& Value);
  virtual std::uint8_t GetCapabilities() const { return 2; }
  virtual std::string LanguageTitle() const { return "<Unknown>"; }
  virtual void AdvanceForExport() = 0;
  virtual bool AtLineEnd() const = 0;
  virtual std::uint32_t CurrentRange() const = 0;
  virtual std::string CurrentText() const = 0;
  virtual TxeHighLightAttributes* CurrentAttribute() const = 0;
  virtual int CurrentKind() const = 0;
  virtual int CurrentStart() const = 0;
  virtual void Advance() = 0;
  virtual void BeginLine(const char* Text, int LineNumber) = 0;
  virtual void BeginExportLine(const char* Text) = 0;
  virtual void RestoreRange(std::uint32_t Value) = 0;
  virtual void ClearRange() = 0;
  virtual bool ApplyUserSettings(int Index);
  virtual void ListUserSettings(std::vector<std::string>& List);
  virtual bool LoadFromRegistry(TxeKeyStore& RootKey, const std::string& Key);
  virtual bool SaveToRegistry(TxeKeyStore& RootKey, const std::string& Key);

  // The token without copying: CurrentStart() + CurrentLength() bytes of the line, or as a view.
  virtual int CurrentLength() const = 0;
  virtual std::string_view CurrentView() const = 0;

  void BeginLine(const std::string& Text, int LineNumber) { BeginLine(Text.c_str(), LineNumber); }
  void BeginExportLine(const std::string& Text) { BeginExportLine(Text.c_str()); }
  // Advance until AtLineEnd.
  void ScanToLineEnd() { DoScanToLineEnd(); }

  void AddAttribute(std::unique_ptr<TxeHighLightAttributes> A);
  void SetAttributeChangeHandler(const TNotifyEvent& Handler);
  void AttributeChanged(TObject* Sender);
  // The editors that use this highlighter hear about attribute changes here (sender: the highlighter).
  void AddChangeHook(const void* Object, TNotifyEvent Handler, std::uintptr_t Code = 0);
  void RemoveChangeHook(const void* Object, std::uintptr_t Code = 0);
  TxeNotifyEventChain& ChangeChain() { return FChangeChain; }

  // Told once when this highlighter is destroyed, so users can drop their reference.
  void AddFreeNotification(const void* Object, std::function<void(TxeCustomHighLighter*)> Handler);
  void RemoveFreeNotification(const void* Object);

  TxeExportSink* ExportSink() const { return FExportSink; }
  void SetExportSink(TxeExportSink* Sink) { FExportSink = Sink; }

  TTokenEvent OnToken;  // no highlighter raises it

 protected:
  virtual void DoScanToLineEnd();

 private:
  struct TAttrEntry {
    std::string Key;  // upper-cased name, the sort key
    std::unique_ptr<TxeHighLightAttributes> Attr;
  };
  struct TFreeHook {
    const void* Object;
    std::function<void(TxeCustomHighLighter*)> Handler;
  };
  std::vector<TAttrEntry> FAttributes;
  TxeNotifyEventChain FChangeChain;
  TxeExportSink* FExportSink = nullptr;
  std::string FDefaultFilter;
  std::vector<TFreeHook> FFreeHooks;
};

// The registered highlighter classes.
class THighlighterList {
 public:
  int Count() const { return static_cast<int>(FList.size()); }
  TxeCustomHighLighterClass operator[](int Index) const { return FList[static_cast<std::size_t>(Index)]; }
  int IndexOf(TxeCustomHighLighterClass Class) const;
  void Add(TxeCustomHighLighterClass Class) { FList.push_back(Class); }

 private:
  std::vector<TxeCustomHighLighterClass> FList;
};

THighlighterList& HighlighterList();
void RegisterHighlighterClass(TxeCustomHighLighterClass Class);
