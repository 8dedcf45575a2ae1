#pragma once
// W_ListeBulletins holds one archive key per attribute, and a search may gather thousands
// (a month of an index record may hold as many values). Appending or reading element n of
// a dynamic array walks the text from its start; these helpers build and read such lists
// in one pass.

#include <functional>
#include <string>
#include <string_view>

#include "data/core/dynamic_array.h"

namespace vantelor {

// Builds a list of keys, one per attribute, and puts it into its target when it goes out
// of scope, on every path (an error included): the target then holds the keys gathered
// so far, as if each had been stored the moment it was found.
class ListeCles {
 public:
  explicit ListeCles(dba::DynArray& cible) : cible_(cible) {}
  ~ListeCles() { cible_.SetText(std::move(texte_)); }
  ListeCles(const ListeCles&) = delete;
  ListeCles& operator=(const ListeCles&) = delete;

  void Ajouter(std::string_view cle);
  int Nombre() const { return nombre_; }

 private:
  dba::DynArray& cible_;
  std::string texte_;
  int nombre_ = 0;
};

// Calls `visite` with each field of `texte` separated by `marque`, from the first to the
// last (none for an empty text), as Extract gives them for n from 1 to the count.
void PourChaqueChamp(std::string_view texte, char marque,
                     const std::function<void(std::string_view)>& visite);

// Calls `visite` with each attribute of `liste`, from the first to the last (none for an
// empty list), as Extract(i) gives them for i from 1 to ElementCount().
void PourChaqueAttribut(const dba::DynArray& liste,
                        const std::function<void(std::string_view)>& visite);

}  // namespace vantelor
