// Owning wrappers for the two Automation value types: Bstr (a BSTR) and
// Variant (a VARIANT). They free what they hold, so servers, controls and
// containers can build and return values without leaks on any path.
#pragma once

#include <ole2.h>
#include <windows.h>

#include <utility>

namespace morvex::com {

class Bstr {
 public:
  Bstr() = default;
  // Copies `text` (null gives a null BSTR, which Automation reads as empty).
  explicit Bstr(const wchar_t* text) : value_(text ? SysAllocString(text) : nullptr) {}
  Bstr(const wchar_t* text, UINT length) : value_(SysAllocStringLen(text, length)) {}
  Bstr(const Bstr& other)
      : value_(other.value_ ? SysAllocStringByteLen(reinterpret_cast<const char*>(other.value_),
                                                    SysStringByteLen(other.value_))
                            : nullptr) {}
  Bstr(Bstr&& other) noexcept : value_(std::exchange(other.value_, nullptr)) {}
  ~Bstr() { SysFreeString(value_); }
  Bstr& operator=(Bstr other) noexcept {
    std::swap(value_, other.value_);
    return *this;
  }

  static Bstr Adopt(BSTR value) {
    Bstr result;
    result.value_ = value;
    return result;
  }

  BSTR Get() const { return value_; }
  // Never null: an empty text for a null BSTR.
  const wchar_t* Text() const { return value_ ? value_ : L""; }
  UINT Length() const { return SysStringLen(value_); }
  bool IsNull() const { return value_ == nullptr; }

  // Frees what is held and gives the slot to a call that fills it.
  BSTR* Put() {
    SysFreeString(std::exchange(value_, nullptr));
    return &value_;
  }
  BSTR Detach() { return std::exchange(value_, nullptr); }

  // Hands a copy to an out parameter; E_OUTOFMEMORY when it cannot be made.
  HRESULT CopyTo(BSTR* out) const;

 private:
  BSTR value_ = nullptr;
};

class Variant {
 public:
  Variant() { VariantInit(&value_); }
  explicit Variant(long number) : Variant() {
    value_.vt = VT_I4;
    value_.lVal = number;
  }
  explicit Variant(int number) : Variant(static_cast<long>(number)) {}
  explicit Variant(const wchar_t* text) : Variant() {
    value_.vt = VT_BSTR;
    value_.bstrVal = SysAllocString(text);
  }
  // Holds a reference to `object` (VT_DISPATCH; null stays VT_DISPATCH null).
  explicit Variant(IDispatch* object) : Variant() {
    value_.vt = VT_DISPATCH;
    value_.pdispVal = object;
    if (object) object->AddRef();
  }
  static Variant Bool(bool flag) {
    Variant result;
    result.value_.vt = VT_BOOL;
    result.value_.boolVal = flag ? VARIANT_TRUE : VARIANT_FALSE;
    return result;
  }
  Variant(const Variant& other) : Variant() {
    VariantCopy(&value_, const_cast<VARIANT*>(&other.value_));
  }
  Variant(Variant&& other) noexcept : value_(other.value_) { VariantInit(&other.value_); }
  ~Variant() { VariantClear(&value_); }
  Variant& operator=(Variant other) noexcept {
    std::swap(value_, other.value_);
    return *this;
  }

  const VARIANT& Get() const { return value_; }
  VARIANT* Address() { return &value_; }
  // Clears what is held and gives the slot to a call that fills it.
  VARIANT* Put() {
    VariantClear(&value_);
    return &value_;
  }
  VARTYPE Type() const { return value_.vt; }

  // Copies into an uninitialised out VARIANT.
  HRESULT CopyTo(VARIANT* out) const;

 private:
  VARIANT value_;
};

}  // namespace morvex::com
