#include "cleaner/packages/load_pass_mark.h"

namespace zc {

std::string& LoadPassVerified() {
    static std::string mark;
    return mark;
}

} // namespace zc
