// The add-in's information commands: what the Help menu's items and the buy
// button run when clicked. Each takes nothing from the click. They catch no
// exception, except that the update check turns an unreachable server into
// its message; the caller (the click's event sink) is the edge that does.
#pragma once

namespace commands {

// Shows the help file's start page ("HelpLocation" + "::/index.htm"), if
// "HelpLocation" is set.
void Help();
// Shows the help file's first steps ("HelpLocation" + "::/skypecall.htm"),
// if "HelpLocation" is set: the add-in's offer of help on its first start.
void FirstRunHelp();
// The options page.
void Options();
// Asks the web site for the latest version and says what it found:
// a newer version, the latest version, or that it could not find out.
void CheckForUpdate();
// A new e-mail to the support address.
void ContactUs();
// The About box.
void About();
// The web page where SkypeOut credit is bought.
void BuySkypeOutCredit();

}  // namespace commands
