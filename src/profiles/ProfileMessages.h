#pragma once
// Text ids of the messages the profile operations show.

namespace quillon::profile_message {

inline constexpr const char* kFileMissing = "message_text_8";
inline constexpr const char* kNotProfileFile = "message_text_9";
inline constexpr const char* kLastProfile = "message_text_11";
inline constexpr const char* kConfirmDelete = "message_text_12";
inline constexpr const char* kNameEmpty = "message_text_14";
inline constexpr const char* kNameTaken = "message_text_15";
// A name that cannot be a file name in the profile folder.
inline constexpr const char* kNameUnusable = "message_text_21";
// A profile or index file could not be written; nothing was changed. ("message_text_22" tells
// of a keyboard with too many keys.)
inline constexpr const char* kWriteFailed = "message_text_23";

}  // namespace quillon::profile_message
