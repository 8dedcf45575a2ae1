#include "selection/name_search.h"

#include <algorithm>

#include "text/text.h"

namespace vantelor {

std::optional<std::string> PhraseRechercheNom(std::string_view file, std::string_view item,
                                              std::string_view typed) {
  const bool unsafe = std::any_of(typed.begin(), typed.end(), [](char c) {
    return c == '"' || c == dba::kAttributeMark || c == dba::kValueMark || c == dba::kSubvalueMark;
  });
  if (unsafe) return std::nullopt;
  // A "]" typed by the user is harmless: only the last one of the value, ours, asks for
  // a prefix; the ones before it are text to match.
  std::string sentence = "SSELECT ";
  sentence.append(file).append(" AVEC ").append(item).append(" = \"");
  sentence.append(text::Upper(typed)).append("]\" PAR ").append(item).append(" PAR 0");
  return sentence;
}

dba::DynArray ChercherNoms(dba::Database& db, std::string_view file, std::string_view item,
                           std::string_view typed) {
  const std::optional<std::string> sentence = PhraseRechercheNom(file, item, typed);
  if (!sentence) return {};
  dba::DynArray liste = db.ExecuteSentence(dba::QueryCommand(*sentence, file), "");
  // Index keys to persons: each key becomes its person's code; the index holds one
  // record per person and year, which come together in name order.
  std::string dernier;
  for (int i = 1; !liste(i, 1).empty();) {
    const std::string code = text::Left(liste(i, 1), 5);
    liste.Set(i, 1, code);
    if (code == dernier && !dernier.empty()) {
      liste.Delete(i);
    } else {
      dernier = code;
      ++i;
    }
  }
  return liste;
}

std::string FormatCode(std::string_view typed) {
  std::string digits = text::Trim(typed);
  if (digits.empty() ||
      !std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; })) {
    return std::string(typed);
  }
  digits.erase(0, std::min(digits.find_first_not_of('0'), digits.size() - 1));
  if (digits.size() < 5) digits.insert(0, 5 - digits.size(), '0');
  return digits;
}

}  // namespace vantelor
