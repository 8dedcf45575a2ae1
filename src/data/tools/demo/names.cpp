#include "data/tools/demo/names.h"

namespace dba::demo {

const std::vector<std::string>& LastNames() {
  // Mostly capitals as the payroll stores them; a few in mixed case, which the name
  // dictionary items put in capitals.
  static const std::vector<std::string> names = {
      "DUPONT",   "DURAND",   "DUBOIS",         "DAVID",    "DENIS",    "DUMONT",    "MARTIN",
      "BERNARD",  "THOMAS",   "PETIT",          "ROBERT",   "RICHARD",  "MOREAU",    "LAURENT",
      "SIMON",    "MICHEL",   "LEFEBVRE",       "LEROY",    "ROUX",     "BERTRAND",  "MOREL",
      "FOURNIER", "GIRARD",   "BONNET",         "LAMBERT",  "FONTAINE", "ROUSSEAU",  "VINCENT",
      "MULLER",   "LEFÈVRE",  "FAURE",          "ANDRÉ",    "MERCIER",  "BLANC",     "GUÉRIN",
      "BOYER",    "GARNIER",  "CHEVALIER",      "FRANÇOIS", "LEGRAND",  "GAUTHIER",  "GARCIA",
      "PERRIN",   "ROBIN",    "CLÉMENT",        "MORIN",    "NICOLAS",  "HENRY",     "ROUSSEL",
      "Mathieu",  "Gauthier", "Masson",         "Marchand", "Duval",    "Denis",     "Lemaire",
      "NOËL",     "MEYER",    "DUFOUR",         "MEUNIER",  "BRUN",     "BLANCHARD", "GIRAUD",
      "JOLY",     "RIVIÈRE",  "LUCAS",          "BRUNET",   "GAILLARD", "BARBIER",   "ARNAUD",
      "Étienne",  "Œuvray",   "DE LA FONTAINE", "LE GALL",  "ZÉLIE"};
  return names;
}

const std::vector<std::string>& WomenFirstNames() {
  static const std::vector<std::string> names = {
      "Marie",  "Jeanne",  "Françoise", "Monique", "Catherine", "Nathalie", "Isabelle",
      "Sylvie", "Martine", "Christine", "Sophie",  "Valérie",   "Sandrine", "Céline",
      "Nadia",  "Fatima",  "Hélène",    "Agnès",   "Brigitte",  "Josiane",  "Chloé",
      "Léa",    "Zoé",     "Mélanie",   "Émilie",  "Noémie",    "Aïcha",    "Danièle"};
  return names;
}

const std::vector<std::string>& MenFirstNames() {
  static const std::vector<std::string> names = {
      "Jean",    "Pierre", "Michel", "André",    "Philippe", "Alain", "Bernard",
      "Jacques", "Daniel", "Henri",  "Marcel",   "René",     "Louis", "François",
      "Joël",    "Gérard", "Noël",   "Stéphane", "Jérôme",   "Hervé", "Benoît"};
  return names;
}

const std::vector<std::string>& Streets() {
  static const std::vector<std::string> streets = {
      "rue des Lilas",          "avenue Jean Jaurès", "boulevard Voltaire", "rue de la Paix",
      "place de la Mairie",     "rue Victor Hugo",    "allée des Tilleuls", "chemin des Vignes",
      "rue du Général Leclerc", "impasse des Écoles", "quai de la Marne",   "rue Émile Zola"};
  return streets;
}

const std::vector<std::string>& Towns() {
  static const std::vector<std::string> towns = {
      "75012 PARIS",           "75020 PARIS",       "94200 IVRY-SUR-SEINE",
      "94400 VITRY-SUR-SEINE", "93100 MONTREUIL",   "92130 ISSY-LES-MOULINEAUX",
      "94300 VINCENNES",       "93200 SAINT-DENIS", "94120 FONTENAY-SOUS-BOIS",
      "92240 MALAKOFF",        "94800 VILLEJUIF",   "93260 LES LILAS"};
  return towns;
}

const std::vector<std::string>& Qualifications() {
  static const std::vector<std::string> qualifications = {
      "Assistante de vie", "Auxiliaire de vie sociale", "Aide à domicile",
      "Garde de nuit",     "Employé familial",          "Aide-soignante"};
  return qualifications;
}

}  // namespace dba::demo
