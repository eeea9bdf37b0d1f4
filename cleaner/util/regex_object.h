#pragma once
// Regular-expression matching through the system's scriptable component
// "VBScript.RegExp". One object keeps the component, the matches and the
// subject of its last search, so that a search and the questions about its
// result are separate calls. COM is initialised on the creating thread for
// the object's lifetime; use the object on that thread only.
#include <oaidl.h>

#include <string>

namespace zc {

class RegexObject {
  public:
    RegexObject();
    ~RegexObject();
    RegexObject(const RegexObject&) = delete;
    RegexObject& operator=(const RegexObject&) = delete;

    // Runs the pattern over the subject. True when the component returned a
    // match collection, even an empty one; false when the component is missing
    // or the pattern is invalid. With quoteEscape every "#引号" in the pattern
    // stands for a double quote.
    bool Search(const std::string& pattern, const std::string& subject, bool caseSensitive = false,
                bool multiline = true, bool global = true, bool quoteEscape = false);

    // Capture group `group` of match `match` of the last search, both counted
    // from 1; "" when either does not exist.
    std::string SubMatchText(int match, int group) const;

  private:
    void ReleaseComponent();

    bool comInitialised_ = false;
    IDispatch* component_ = nullptr;
    IDispatch* matches_ = nullptr;
    VARIANT subject_;
};

} // namespace zc
