#include "choice_texts.h"

#include "text/mix_choices.h"

namespace krv1::presentation {
namespace {

static_assert(kSlumpChoices.size() == text::kSlumpEntries.size());
static_assert(kStoneChoices.size() == text::kStoneEntries.size());

template <typename Choice, std::size_t N>
std::string_view EntryOf(Choice choice, const std::array<Choice, N>& choices,
                         const std::array<std::string_view, N>& entries) {
    for (std::size_t i = 0; i < N; ++i)
        if (choices[i] == choice) return entries[i];
    return {};
}

template <typename Choice, std::size_t N>
Choice ChoiceOf(std::string_view entry, const std::array<Choice, N>& choices,
                const std::array<std::string_view, N>& entries) {
    for (std::size_t i = 0; i < N; ++i)
        if (entries[i] == entry) return choices[i];
    return Choice::None;
}

}  // namespace

std::string_view SlumpEntry(SlumpChoice slump) {
    return EntryOf(slump, kSlumpChoices, text::kSlumpEntries);
}

std::string_view StoneEntry(StoneChoice stone) {
    return EntryOf(stone, kStoneChoices, text::kStoneEntries);
}

SlumpChoice SlumpOfEntry(std::string_view entry) {
    return ChoiceOf(entry, kSlumpChoices, text::kSlumpEntries);
}

StoneChoice StoneOfEntry(std::string_view entry) {
    return ChoiceOf(entry, kStoneChoices, text::kStoneEntries);
}

}  // namespace krv1::presentation
