#include "toolkit/SkinText.h"

namespace quillon::toolkit {

SkinText parseSkinText(std::string_view written) {
    if (written.size() >= 2 && written[0] == '@' && written[1] == '@') {
        return {std::string(written.substr(1)), false};
    }
    if (written.size() >= 2 && written[0] == '@') {
        return {std::string(written.substr(1)), true};
    }
    return {std::string(written), false};
}

}  // namespace quillon::toolkit
