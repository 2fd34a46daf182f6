#pragma once
// The light markup of the help sources (Help/Aide_KV_*.md) turned into the
// HTML subset that QTextDocument lays out. Qt-free, so it is tested alone.
//
// Blocks, one per line or group of lines:
//   # Title        ## Section        ### Subsection
//   - item         (consecutive lines make one list)
//   1. item        (numbered list)
//   | a | b |      (a table; its first row is the heading; a row of dashes is skipped)
//   > text         (a framed note)
//   anything else  (a paragraph; consecutive lines are joined, a blank line ends it)
// Inline: **bold**, *italic*, `fixed`.
// Fields, replaced by the program's own texts in the current language so that
// the guide names every control exactly as the window does:
//   {texte:N}    entry N of the text table (1..25: the parameter labels,
//                51..58: the button captions), without its outer spaces
//   {systeme:N}  the name of system N = 1..6
//   {titre}      the title line of the window
//   {fenetre}    the caption of the window
// A field that does not exist stops the conversion with the file and line.

#include <stdexcept>
#include <string>

namespace korvalo {

struct ErreurBalisage : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// One line of running text as HTML: escaped, inline markup and fields
// replaced; `ou` ("file:line") prefixes any error. Reads the text tables as
// they are: the caller sets the language. A backslash keeps the next
// character as it is (\*, \{, \`, \\).
std::string HtmlEnLigne(const std::string& texte, const std::string& ou);

// The whole source as an HTML document body. Throws ErreurBalisage.
std::string VersHtml(const std::string& source, const std::string& nomFichier);

}  // namespace korvalo
