#include "selection/key_list.h"

namespace vantelor {

void ListeCles::Ajouter(std::string_view cle) {
  if (nombre_ > 0) texte_ += dba::kAttributeMark;
  texte_ += cle;
  ++nombre_;
}

void PourChaqueAttribut(const dba::DynArray& liste,
                        const std::function<void(std::string_view)>& visite) {
  const std::string_view texte = liste.Text();
  if (texte.empty()) return;
  std::size_t debut = 0;
  for (;;) {
    const std::size_t fin = texte.find(dba::kAttributeMark, debut);
    visite(
        texte.substr(debut, fin == std::string_view::npos ? std::string_view::npos : fin - debut));
    if (fin == std::string_view::npos) return;
    debut = fin + 1;
  }
}

}  // namespace vantelor
