#pragma once
// The component's help: the owner of help calls, the help-file name and the two calls
// the screens make (open the contents, close this owner's help window).
//
// The help file, Vantelor.HLP, is an HTML page in French kept beside the program file.
// The desktop's help service shows it: at its contents for Afficher_Sommaire, at the
// section of a context number when F1 is pressed in a control that carries one (10 on
// the selection screen, 20 in the detail windows); HELP_QUIT closes the window opened
// for an owner.

#include <string>

namespace help {

inline constexpr const char* kFichierAide = "Vantelor.HLP";
inline constexpr int kContexteSelection = 10;
inline constexpr int kContexteDetail = 20;

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

// The anchor of the help file's section that a help command shows: "contexte-N" for
// context number N (command 1), "sommaire" for the contents and anything else.
std::string Ancre(int command, int data);

}  // namespace help
