#include "profiles/ProfileIndex.h"

#include <algorithm>

namespace quillon {
namespace {

constexpr std::string_view kCountKey = "count";
constexpr std::string_view kSelectKey = "select";

std::string positionKey(int position) {
    return std::to_string(position);
}

}  // namespace

int ProfileIndex::count(const ProfileList& list) const {
    return std::clamp(document_.readInt(list.sections.count, kCountKey), 0, kProfileListLimit);
}

std::string ProfileIndex::name(const ProfileList& list, int position) const {
    return document_.read(list.sections.name, positionKey(position));
}

std::vector<std::string> ProfileIndex::names(const ProfileList& list) const {
    std::vector<std::string> out;
    const int n = count(list);
    out.reserve(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i) {
        out.push_back(name(list, i));
    }
    return out;
}

int ProfileIndex::selected(const ProfileList& list) const {
    return document_.readInt(list.sections.select, kSelectKey);
}

bool ProfileIndex::linked(const ProfileList& list, int position) const {
    return document_.read(list.sections.linkFlag, positionKey(position)) != "0";
}

std::string ProfileIndex::linkFlag(const ProfileList& list, int position) const {
    return document_.read(list.sections.linkFlag, positionKey(position));
}

std::string ProfileIndex::linkPath(const ProfileList& list, int position) const {
    return document_.read(list.sections.linkPath, positionKey(position));
}

void ProfileIndex::setCount(const ProfileList& list, int count) {
    document_.write(list.sections.count, kCountKey, std::to_string(count));
}

void ProfileIndex::setName(const ProfileList& list, int position, std::string_view name) {
    document_.write(list.sections.name, positionKey(position), name);
}

void ProfileIndex::setSelected(const ProfileList& list, int position) {
    document_.write(list.sections.select, kSelectKey, std::to_string(position));
}

void ProfileIndex::setLinked(const ProfileList& list, int position, bool linked) {
    document_.write(list.sections.linkFlag, positionKey(position), linked ? "1" : "0");
}

void ProfileIndex::setLinkPath(const ProfileList& list, int position, std::string_view path) {
    document_.write(list.sections.linkPath, positionKey(position), path);
}

}  // namespace quillon
