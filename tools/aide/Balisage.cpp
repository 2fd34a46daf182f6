#include "Balisage.h"

#include <cstdlib>
#include <sstream>
#include <vector>

#include "Textes.h"
#include "TextesFixes.h"

namespace korvalo {

namespace {

std::string Echappe(const std::string& texte) {
  std::string html;
  for (char c : texte) {
    switch (c) {
      case '&': html += "&amp;"; break;
      case '<': html += "&lt;"; break;
      case '>': html += "&gt;"; break;
      case '"': html += "&quot;"; break;
      default: html += c;
    }
  }
  return html;
}

std::string SansEspacesAutour(const std::string& texte) {
  const auto debut = texte.find_first_not_of(' ');
  if (debut == std::string::npos) return {};
  return texte.substr(debut, texte.find_last_not_of(' ') - debut + 1);
}

// The program's texts keep their inner runs of spaces and their CR line breaks.
std::string HtmlDuTexte(const std::string& texte) {
  std::string html;
  const std::string echappe = Echappe(texte);
  for (std::size_t i = 0; i < echappe.size(); ++i) {
    const char c = echappe[i];
    if (c == '\r') {
      html += "<br/>";
    } else if (c == ' ' && i > 0 && echappe[i - 1] == ' ') {
      html += "&nbsp;";
    } else {
      html += c;
    }
  }
  return html;
}

bool LitNombre(const std::string& texte, int& n) {
  if (texte.empty() || texte.size() > 4) return false;
  for (char c : texte)
    if (c < '0' || c > '9') return false;
  n = std::atoi(texte.c_str());
  return true;
}

std::string ValeurChamp(const std::string& champ, const std::string& ou) {
  if (champ == "titre") return Titre;
  if (champ == "fenetre") return LegendeFenetre;
  const auto deuxPoints = champ.find(':');
  const std::string nom = champ.substr(0, deuxPoints);
  int n = 0;
  if (deuxPoints != std::string::npos && LitNombre(champ.substr(deuxPoints + 1), n)) {
    if (nom == "texte") {
      if (n < 1 || n > NB_TEXTES) throw ErreurBalisage(ou + ": no text entry " + std::to_string(n) + " (1.." +
                                                       std::to_string(NB_TEXTES) + ")");
      if (SansEspacesAutour(Textes[n]).empty())
        throw ErreurBalisage(ou + ": text entry " + std::to_string(n) + " is empty in this language");
      return Textes[n];
    }
    if (nom == "systeme") {
      if (n < 1 || n > 6) throw ErreurBalisage(ou + ": no system " + std::to_string(n) + " (1..6)");
      return NomsSystemesAffichage[n];
    }
  }
  throw ErreurBalisage(ou + ": unknown field {" + champ + "}");
}

}  // namespace

std::string HtmlEnLigne(const std::string& texte, const std::string& ou) {
  std::string html;
  bool gras = false, italique = false, fixe = false;
  for (std::size_t i = 0; i < texte.size(); ++i) {
    const char c = texte[i];
    if (c == '\\' && i + 1 < texte.size()) {
      html += Echappe(std::string(1, texte[++i]));
    } else if (c == '{') {
      const auto fin = texte.find('}', i);
      if (fin == std::string::npos) throw ErreurBalisage(ou + ": field without its closing }");
      html += HtmlDuTexte(SansEspacesAutour(ValeurChamp(texte.substr(i + 1, fin - i - 1), ou)));
      i = fin;
    } else if (c == '`') {
      html += fixe ? "</tt>" : "<tt>";
      fixe = !fixe;
    } else if (c == '*' && i + 1 < texte.size() && texte[i + 1] == '*') {
      html += gras ? "</b>" : "<b>";
      gras = !gras;
      ++i;
    } else if (c == '*') {
      html += italique ? "</i>" : "<i>";
      italique = !italique;
    } else {
      html += Echappe(std::string(1, c));
    }
  }
  if (gras) throw ErreurBalisage(ou + ": ** not closed on its line");
  if (italique) throw ErreurBalisage(ou + ": * not closed on its line");
  if (fixe) throw ErreurBalisage(ou + ": ` not closed on its line");
  return html;
}

namespace {

enum class Bloc { Aucun, Paragraphe, Puces, Numeros, Tableau, Note };

bool CommencePar(const std::string& ligne, const std::string& debut) { return ligne.rfind(debut, 0) == 0; }

// "12. text" → the position of the text, else 0.
std::size_t DebutNumero(const std::string& ligne) {
  std::size_t i = 0;
  while (i < ligne.size() && ligne[i] >= '0' && ligne[i] <= '9') ++i;
  return (i > 0 && i + 1 < ligne.size() && ligne[i] == '.' && ligne[i + 1] == ' ') ? i + 2 : 0;
}

std::vector<std::string> Cellules(const std::string& ligne) {
  std::string milieu = ligne.substr(1);
  if (!milieu.empty() && milieu.back() == '|') milieu.pop_back();
  std::vector<std::string> cellules;
  std::string cellule;
  for (std::size_t i = 0; i < milieu.size(); ++i) {
    if (milieu[i] == '\\' && i + 1 < milieu.size() && milieu[i + 1] == '|') {
      cellule += '|';
      ++i;
    } else if (milieu[i] == '|') {
      cellules.push_back(SansEspacesAutour(cellule));
      cellule.clear();
    } else {
      cellule += milieu[i];
    }
  }
  cellules.push_back(SansEspacesAutour(cellule));
  return cellules;
}

bool LigneDeTirets(const std::string& ligne) {
  return ligne.find_first_not_of("|-: ") == std::string::npos;
}

class Convertisseur {
 public:
  explicit Convertisseur(std::string nomFichier) : fichier_(std::move(nomFichier)) {}

  void Ligne(std::string ligne, int numero) {
    if (!ligne.empty() && ligne.back() == '\r') ligne.pop_back();
    ou_ = fichier_ + ":" + std::to_string(numero);
    const std::string nette = SansEspacesAutour(ligne);
    if (nette.empty()) return Ferme();
    if (CommencePar(nette, "#")) {
      std::size_t niveau = nette.find_first_not_of('#');
      if (niveau == std::string::npos || niveau > 3 || nette[niveau] != ' ')
        throw ErreurBalisage(ou_ + ": a heading is one to three # and a space");
      Ferme();
      const std::string balise = "h" + std::to_string(niveau);
      html_ += "<" + balise + ">" + HtmlEnLigne(nette.substr(niveau + 1), ou_) + "</" + balise + ">\n";
      return;
    }
    if (CommencePar(nette, "- ")) {
      Ouvre(Bloc::Puces);
      html_ += "<li>" + HtmlEnLigne(nette.substr(2), ou_) + "</li>\n";
      return;
    }
    if (const std::size_t debut = DebutNumero(nette)) {
      Ouvre(Bloc::Numeros);
      html_ += "<li>" + HtmlEnLigne(nette.substr(debut), ou_) + "</li>\n";
      return;
    }
    if (CommencePar(nette, "|")) {
      const bool premiere = bloc_ != Bloc::Tableau;
      Ouvre(Bloc::Tableau);
      if (LigneDeTirets(nette)) return;
      const std::vector<std::string> cellules = Cellules(nette);
      if (premiere) {
        colonnes_ = cellules.size();
      } else if (cellules.size() != colonnes_) {
        throw ErreurBalisage(ou_ + ": " + std::to_string(cellules.size()) + " cells in a table of " +
                             std::to_string(colonnes_) + " columns");
      }
      const char* balise = premiere ? "th" : "td";
      html_ += "<tr>";
      for (const std::string& c : cellules)
        html_ += std::string("<") + balise + ">" + HtmlEnLigne(c, ou_) + "</" + balise + ">";
      html_ += "</tr>\n";
      return;
    }
    if (CommencePar(nette, "> ") || nette == ">") {
      const bool suite = bloc_ == Bloc::Note;
      Ouvre(Bloc::Note);
      if (suite) html_ += " ";
      html_ += HtmlEnLigne(SansEspacesAutour(nette.substr(1)), ou_);
      return;
    }
    const bool suite = bloc_ == Bloc::Paragraphe;
    Ouvre(Bloc::Paragraphe);
    if (suite) html_ += "\n";
    html_ += HtmlEnLigne(nette, ou_);
  }

  std::string Fin() {
    Ferme();
    return "<html><head><meta charset=\"utf-8\"/></head><body>\n" + html_ + "</body></html>\n";
  }

 private:
  void Ouvre(Bloc bloc) {
    if (bloc_ == bloc) return;
    Ferme();
    bloc_ = bloc;
    switch (bloc) {
      case Bloc::Paragraphe: html_ += "<p>"; break;
      case Bloc::Puces: html_ += "<ul>\n"; break;
      case Bloc::Numeros: html_ += "<ol>\n"; break;
      case Bloc::Tableau:
        html_ += "<table class=\"grille\" border=\"1\" cellspacing=\"0\" cellpadding=\"4\" width=\"100%\">\n";
        break;
      case Bloc::Note:
        html_ += "<table class=\"note\" cellspacing=\"0\" cellpadding=\"8\" width=\"100%\"><tr><td>";
        break;
      case Bloc::Aucun: break;
    }
  }

  void Ferme() {
    switch (bloc_) {
      case Bloc::Paragraphe: html_ += "</p>\n"; break;
      case Bloc::Puces: html_ += "</ul>\n"; break;
      case Bloc::Numeros: html_ += "</ol>\n"; break;
      case Bloc::Tableau: html_ += "</table>\n"; break;
      case Bloc::Note: html_ += "</td></tr></table>\n"; break;
      case Bloc::Aucun: break;
    }
    bloc_ = Bloc::Aucun;
  }

  std::string fichier_;
  std::string ou_;
  std::string html_;
  Bloc bloc_ = Bloc::Aucun;
  std::size_t colonnes_ = 0;
};

}  // namespace

std::string VersHtml(const std::string& source, const std::string& nomFichier) {
  Convertisseur convertisseur(nomFichier);
  std::istringstream lignes(source);
  std::string ligne;
  int numero = 0;
  while (std::getline(lignes, ligne)) convertisseur.Ligne(ligne, ++numero);
  return convertisseur.Fin();
}

}  // namespace korvalo
