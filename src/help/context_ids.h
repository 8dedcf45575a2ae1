#pragma once
// The component's help: the owner of help calls, the help-file name and the two calls
// the screens make (open the contents, close this owner's help window).

#include <string>

namespace help {

// Records the owner window and sets the help-file setting from the folder of the
// component's program file: that folder + "/Vantelor.HLP", or + "Vantelor.HLP" when it
// already ends in "/".
void Init_Aide(long owner);
// The same with an explicit application folder (tests and hosts that move the file).
void Init_Aide(long owner, const std::string& applicationPath);
// Opens the help file at its contents.
void Afficher_Sommaire();
// Closes the help window of this owner.
void Quitter_Aide();

}  // namespace help
