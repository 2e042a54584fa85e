#include "model/StyleCombo.h"

#include <algorithm>
#include <string_view>

#include "model/SoundSettings.h"
#include "platform/DirectoryListing.h"
#include "platform/Exception.h"
#include "platform/ProgramPaths.h"
#include "platform/StringIds.h"
#include "platform/StringTable.h"

StyleCombo::StyleCombo(SelObject* track, int trackNum) : FloatingCombo(track, trackNum) {
    SetHalo(true);
}

std::unique_ptr<SelObject> StyleCombo::Clone() const {
    return std::make_unique<StyleCombo>(*this);
}

void StyleCombo::OnIndexChanged(bool notify) {
    if (notify) {
        SoundSettings::Instance().SetStyleName(GetStyleName());
    }
}

void StyleCombo::FillStyleList() {
    if (ItemCount() > 0) {
        return;
    }
    const int* timeSignature = GetProperty("TimeSignature");
    const int numerator = timeSignature != nullptr ? timeSignature[0] : 4;
    const int denominator = timeSignature != nullptr ? timeSignature[1] : 4;
    const auto files = DirectoryListing::FileNames(ProgramPaths::DataDir() + "Pattern/");
    SetTextItems(StyleNamesFor(files, numerator, denominator));
    SetIndex(0, true);
}

std::vector<std::string> StyleCombo::StyleNamesFor(const std::vector<std::string>& fileNames,
                                                   int numerator, int denominator) {
    // File names carry two digits, so only single-digit signatures can match.
    const std::string key = std::to_string(numerator) + std::to_string(denominator);
    constexpr std::string_view kExtension = ".qsx";
    std::vector<std::string> names;
    for (const std::string& file : fileNames) {
        // "44_" + at least one character + ".qsx"; anything else is not a style.
        if (key.size() != 2 || file.size() <= 3 + kExtension.size() ||
            file.compare(0, 2, key) != 0 || file[2] != '_' || !file.ends_with(kExtension)) {
            continue;
        }
        names.push_back(file.substr(3, file.size() - 3 - kExtension.size()));
    }
    std::sort(names.begin(), names.end());
    if (names.empty()) {
        names.emplace_back(kNoStyle);
    }
    return names;
}

void StyleCombo::Serialize(Archive& archive) {
    if (archive.IsStoring()) {
        archive.WriteText(Archive::TrackElement, "instr", GetStyleName());
        return;
    }
    if (!archive.IsReading()) {
        return;
    }
    const std::optional<std::string> name = archive.ReadText(Archive::TrackElement, "instr");
    if (!name) {
        throw IOException(StringTable::Get(ids::kReadFileError));
    }
    SelectText(*name, archive.IsLoading());
}
