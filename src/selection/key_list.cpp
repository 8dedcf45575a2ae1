#include "selection/key_list.h"

namespace vantelor {

void ListeCles::Ajouter(std::string_view cle) {
  if (nombre_ > 0) texte_ += dba::kAttributeMark;
  texte_ += cle;
  ++nombre_;
}

void PourChaqueChamp(std::string_view texte, char marque,
                     const std::function<void(std::string_view)>& visite) {
  if (texte.empty()) return;
  std::size_t debut = 0;
  for (;;) {
    const std::size_t fin = texte.find(marque, debut);
    if (fin == std::string_view::npos) return visite(texte.substr(debut));
    visite(texte.substr(debut, fin - debut));
    debut = fin + 1;
  }
}

void PourChaqueAttribut(const dba::DynArray& liste,
                        const std::function<void(std::string_view)>& visite) {
  PourChaqueChamp(liste.Text(), dba::kAttributeMark, visite);
}

}  // namespace vantelor
