#include "profiles/DefaultTables.h"

#include <filesystem>
#include <system_error>

#include "lighting/HostSettings.h"
#include "lighting/KeyboardLightingStore.h"
#include "lighting/MouseRecord.h"
#include "profiles/AtomicFile.h"
#include "profiles/DefaultTableReader.h"
#include "profiles/KeyFunctionNames.h"
#include "profiles/ProfileFile.h"
#include "profiles/ProfileModel.h"

namespace quillon {
namespace {

constexpr int kKeySlots = static_cast<int>(kKeyTableSize / 3);  // 170 keys fill bytes 0..509

struct ByteField {
    const char* name;
    std::size_t offset;
    int max;
};

constexpr ByteField kLightingFields[] = {
    {"profile_index", record_field::kProfileIndex, 4},
    {"mode", record_field::kLightingMode, 255},
    {"brightness", record_field::kBrightness, 4},
    {"speed", record_field::kSpeed, 4},
    {"direction", record_field::kDirection, 1},
    {"seven_colour", record_field::kSevenColour, 1},
};

constexpr ByteField kMouseFields[] = {
    {"report_rate", mouse_field::kReportRate, 255},
    {"dpi1", 15, 255},
    {"dpi2", 16, 255},
    {"dpi3", 17, 255},
    {"dpi4", 18, 255},
    {"dpi5", 20, 255},
    {"active_stage", mouse_field::kActiveStage, 5},
};

void putColour(RecordBytes& record, std::size_t at, std::uint32_t rgb) {
    record[at] = static_cast<std::uint8_t>(rgb >> 16);
    record[at + 1] = static_cast<std::uint8_t>(rgb >> 8);
    record[at + 2] = static_cast<std::uint8_t>(rgb);
}

template <std::size_t N>
void readFields(DefaultTableReader& table, const ByteField (&fields)[N], RecordBytes& record) {
    for (const ByteField& field : fields) {
        record[field.offset] =
            static_cast<std::uint8_t>(table.number(field.name, 0, field.max, true));
    }
}

void readLighting(DefaultTableReader& table, RecordBytes& record) {
    readFields(table, kLightingFields, record);
    putColour(record, record_field::kRed, table.colour("colour"));
}

void readKeys(DefaultTableReader& table, KeyTableBytes& keys) {
    keys.fill(0);
    const auto filler = static_cast<std::uint8_t>(table.number("filler", 0, 255, true));
    std::fill(keys.begin(), keys.begin() + 3 * kKeySlots, filler);
    for (int n = 0; n < kKeySlots; ++n) {
        const std::string key = "key." + std::to_string(n);
        if (!table.has(key)) {
            continue;
        }
        const std::string name = table.text(key);
        const auto function = parseKeyFunctionName(name);
        if (!function) {
            table.error(key, "unknown key function \"" + name + "\"");
            continue;
        }
        std::copy(function->begin(), function->end(), keys.begin() + 3 * n);
    }
    table.rejectUnknownKeys();
}

void readCustomSets(DefaultTableReader& table, KeyboardLightingStore& store) {
    store.customSetIndex = static_cast<std::uint32_t>(table.number("custom_set_index", 0, 4, true));
    for (int n = 0; n < kCustomSetCount; ++n) {
        const std::string key = "custom_set." + std::to_string(n);
        CustomColourSet& set = store.sets[static_cast<std::size_t>(n)];
        set.fill(0);
        const std::string value = table.text(key);
        if (value == "lit" || value == "dark") {
            std::fill_n(set.begin(), kCustomKeyCount, value == "lit" ? 0xFF : 0x00);
            continue;
        }
        const std::uint32_t rgb = table.colour(key);
        for (std::size_t k = 0; k < kCustomKeyCount; ++k) {
            set[3 * k] = static_cast<std::uint8_t>(rgb >> 16);
            set[3 * k + 1] = static_cast<std::uint8_t>(rgb >> 8);
            set[3 * k + 2] = static_cast<std::uint8_t>(rgb);
        }
    }
}

struct Tables {
    IniDocument document;
    std::string fileName;
};

bool loadTable(const std::string& dir, const std::string& name, Tables& out,
               std::vector<std::string>& errors) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(dir + name, error)) {
        errors.push_back(name + ": no such table in " + dir);
        return false;
    }
    out = {IniDocument::load(dir + name), name};
    return true;
}

void addFiles(DeviceKind device, int variant, ProfileModel& model, DefaultBuild& build) {
    model.devices.memory(device).current.assign(model.devices.memory(device).profileTable[0]);
    refreshEntryFromCurrent(device, model);
    for (const ProfileList* list : profileListsOf(device)) {
        if (list != nullptr) {
            build.files.push_back(
                {std::string(list->defaultFile(variant)),
                 profileFileImage(list->deviceCode(), assemblePayload(*list, model))});
        }
    }
}

struct Scratch {
    DeviceModel devices;
    KeyboardLightingStore keyboardLighting;
    HostSettings host;
    ProfileModel model{devices, keyboardLighting, host};
};

void buildMouse(const Tables& t, DefaultBuild& build) {
    Scratch s;
    DeviceMemory& mouse = s.devices.memory(DeviceKind::Mouse);
    DefaultTableReader keys(t.document, t.fileName, "keys", build.errors);
    readKeys(keys, mouse.keyTables[0]);
    DefaultTableReader record(t.document, t.fileName, "record", build.errors);
    RecordBytes& entry = mouse.profileTable[0];
    readLighting(record, entry);
    readFields(record, kMouseFields, entry);
    for (int stage = 1; stage <= kDpiStageCount; ++stage) {
        putColour(entry, dpiColourOffset(stage),
                  record.colour("dpi_colour" + std::to_string(stage)));
    }
    s.host.pointerSpeed = record.number("pointer_speed", kPointerSpeedMin, kPointerSpeedMax, true);
    s.host.wheelLines = record.number("wheel_lines", kWheelLinesMin, kWheelLinesMax, true);
    record.rejectUnknownKeys();
    addFiles(DeviceKind::Mouse, 0, s.model, build);
}

void buildKeyboard(const Tables& t, int variant, DefaultBuild& build) {
    Scratch s;
    DeviceMemory& keyboard = s.devices.memory(DeviceKind::Keyboard);
    DefaultTableReader keys(t.document, t.fileName, "keys", build.errors);
    readKeys(keys, keyboard.keyTables[0]);
    const std::string section = "lighting." + std::to_string(variant);
    DefaultTableReader lighting(t.document, t.fileName, section, build.errors);
    readLighting(lighting, keyboard.profileTable[0]);
    readCustomSets(lighting, s.keyboardLighting);
    lighting.rejectUnknownKeys();
    addFiles(DeviceKind::Keyboard, variant, s.model, build);
}

void buildMousepad(const Tables& t, DefaultBuild& build) {
    Scratch s;
    DefaultTableReader record(t.document, t.fileName, "record", build.errors);
    readLighting(record, s.devices.memory(DeviceKind::Mousepad).profileTable[0]);
    record.rejectUnknownKeys();
    addFiles(DeviceKind::Mousepad, 0, s.model, build);
}

}  // namespace

DefaultBuild buildDefaultProfileFiles(const std::string& tablesDir) {
    DefaultBuild build;
    const std::string dir =
        tablesDir.empty() || tablesDir.back() == '/' ? tablesDir : tablesDir + "/";
    Tables keyboard, mouse, mousepad;
    if (loadTable(dir, "keyboard.ini", keyboard, build.errors)) {
        buildKeyboard(keyboard, 0, build);
        buildKeyboard(keyboard, 1, build);
    }
    if (loadTable(dir, "mouse.ini", mouse, build.errors)) {
        buildMouse(mouse, build);
    }
    if (loadTable(dir, "mousepad.ini", mousepad, build.errors)) {
        buildMousepad(mousepad, build);
    }
    return build;
}

int writeDefaultProfileFiles(const DefaultBuild& build, const std::string& outDir) {
    if (!build.ok()) {
        return -1;
    }
    const std::string dir = outDir.empty() || outDir.back() == '/' ? outDir : outDir + "/";
    std::error_code error;
    std::filesystem::create_directories(dir, error);
    for (const DefaultProfileFile& file : build.files) {
        if (replaceFileAtomically(dir + file.name, file.image) != 1) {
            return -2;
        }
    }
    return 1;
}

}  // namespace quillon
