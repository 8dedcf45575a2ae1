#pragma once
// The name search of the person lookup, apart from the screen: the query sentence built
// from what the user typed, and the list of persons it selects.

#include <optional>
#include <string>
#include <string_view>

#include "data/core/database.h"

namespace vantelor {

// The sentence that selects, from the archive index `file`, every record whose
// dictionary item `item` begins with `typed` in capitals, sorted by that item and then
// by key. nullopt when the typed text holds a double quote or a mark byte: no name holds
// one, and it must never reach the sentence, where it would change what is selected.
std::optional<std::string> PhraseRechercheNom(std::string_view file, std::string_view item,
                                              std::string_view typed);

// The name list of a search: one entry per person (value 1 its 5-character code), in
// name order, each person once. Runs the sentence of PhraseRechercheNom; an empty list
// when that gives none. Errors of the query are raised.
dba::DynArray ChercherNoms(dba::Database& db, std::string_view file, std::string_view item,
                           std::string_view typed);

// The number format "00000" of a typed code: a text of digits (blanks around allowed)
// becomes that number on at least five digits, zero-padded; any other text is returned
// unchanged.
std::string FormatCode(std::string_view typed);

}  // namespace vantelor
