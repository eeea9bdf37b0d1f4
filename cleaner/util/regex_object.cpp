#include "cleaner/util/regex_object.h"

#include "common/gbk_text.h"
#include "platform/gbk.h"

#include <objbase.h>
#include <oleauto.h>

#include <vector>

namespace zc {
namespace {

// Owns a VARIANT and clears it on every path.
struct Variant {
    Variant() { VariantInit(&value); }
    ~Variant() { VariantClear(&value); }
    Variant(const Variant&) = delete;
    Variant& operator=(const Variant&) = delete;
    VARIANT value;
};

DISPID MemberId(IDispatch* object, const wchar_t* name) {
    DISPID id = DISPID_UNKNOWN;
    LPOLESTR names[] = {const_cast<LPOLESTR>(name)};
    if (FAILED(object->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id))) {
        return DISPID_UNKNOWN;
    }
    return id;
}

// Calls a member by name; arguments are given in their natural order.
bool Call(IDispatch* object, const wchar_t* name, WORD kind, std::vector<VARIANT> arguments,
          VARIANT* result) {
    if (object == nullptr) {
        return false;
    }
    const DISPID id = MemberId(object, name);
    if (id == DISPID_UNKNOWN) {
        return false;
    }
    std::vector<VARIANT> reversed(arguments.rbegin(), arguments.rend());
    DISPPARAMS parameters{};
    parameters.rgvarg = reversed.empty() ? nullptr : reversed.data();
    parameters.cArgs = static_cast<UINT>(reversed.size());
    DISPID named = DISPID_PROPERTYPUT;
    if (kind == DISPATCH_PROPERTYPUT) {
        parameters.rgdispidNamedArgs = &named;
        parameters.cNamedArgs = 1;
    }
    return SUCCEEDED(
        object->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, kind, &parameters, result, nullptr, nullptr));
}

bool PutBool(IDispatch* object, const wchar_t* name, bool value) {
    VARIANT argument;
    VariantInit(&argument);
    argument.vt = VT_BOOL;
    argument.boolVal = value ? VARIANT_TRUE : VARIANT_FALSE;
    return Call(object, name, DISPATCH_PROPERTYPUT, {argument}, nullptr);
}

VARIANT IndexArgument(int index) {
    VARIANT argument;
    VariantInit(&argument);
    argument.vt = VT_I4;
    argument.lVal = index;
    return argument;
}

// Reads an object-valued property, optionally indexed; nullptr when it fails.
IDispatch* ReadObject(IDispatch* object, const wchar_t* name, std::vector<VARIANT> arguments) {
    Variant result;
    if (!Call(object, name, DISPATCH_PROPERTYGET | DISPATCH_METHOD, std::move(arguments), &result.value) ||
        result.value.vt != VT_DISPATCH || result.value.pdispVal == nullptr) {
        return nullptr;
    }
    IDispatch* found = result.value.pdispVal;
    found->AddRef();
    return found;
}

void Release(IDispatch*& object) {
    if (object != nullptr) {
        object->Release();
        object = nullptr;
    }
}

IDispatch* CreateComponent() {
    CLSID classId;
    if (FAILED(CLSIDFromProgID(L"VBScript.RegExp", &classId))) {
        return nullptr;
    }
    IDispatch* component = nullptr;
    if (FAILED(CoCreateInstance(classId, nullptr, CLSCTX_INPROC_SERVER, IID_IDispatch,
                                reinterpret_cast<void**>(&component)))) {
        return nullptr;
    }
    return component;
}

} // namespace

RegexObject::RegexObject() {
    VariantInit(&subject_);
    comInitialised_ = SUCCEEDED(CoInitialize(nullptr));
}

RegexObject::~RegexObject() {
    ReleaseComponent();
    VariantClear(&subject_);
    if (comInitialised_) {
        CoUninitialize();
    }
}

void RegexObject::ReleaseComponent() {
    Release(component_);
    Release(matches_);
}

bool RegexObject::Search(const std::string& pattern, const std::string& subject, bool caseSensitive,
                         bool multiline, bool global, bool quoteEscape) {
    ReleaseComponent();
    component_ = CreateComponent();
    PutBool(component_, L"IgnoreCase", !caseSensitive);
    PutBool(component_, L"Multiline", multiline);
    PutBool(component_, L"Singleline", true);
    PutBool(component_, L"Global", global);

    const std::string patternText = quoteEscape ? ReplaceAllText(pattern, "#引号", "\"") : pattern;
    const std::wstring widePattern = ToWide(patternText);
    VARIANT patternArgument;
    VariantInit(&patternArgument);
    patternArgument.vt = VT_BSTR;
    patternArgument.bstrVal = SysAllocStringLen(widePattern.data(), static_cast<UINT>(widePattern.size()));
    Call(component_, L"Pattern", DISPATCH_PROPERTYPUT, {patternArgument}, nullptr);
    VariantClear(&patternArgument);

    VariantClear(&subject_);
    const std::wstring wideSubject = ToWide(subject);
    subject_.vt = VT_BSTR;
    subject_.bstrVal = SysAllocStringLen(wideSubject.data(), static_cast<UINT>(wideSubject.size()));

    matches_ = ReadObject(component_, L"Execute", {subject_});
    return matches_ != nullptr;
}

std::string RegexObject::SubMatchText(int match, int group) const {
    IDispatch* found = ReadObject(matches_, L"Item", {IndexArgument(match - 1)});
    IDispatch* groups = ReadObject(found, L"SubMatches", {});
    Variant value;
    const bool read = Call(groups, L"Item", DISPATCH_PROPERTYGET | DISPATCH_METHOD,
                           {IndexArgument(group - 1)}, &value.value);
    Release(groups);
    Release(found);
    if (!read || FAILED(VariantChangeType(&value.value, &value.value, 0, VT_BSTR)) ||
        value.value.bstrVal == nullptr) {
        return "";
    }
    return ToGbk(std::wstring(value.value.bstrVal, SysStringLen(value.value.bstrVal)));
}

} // namespace zc
