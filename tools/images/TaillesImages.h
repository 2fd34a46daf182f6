#pragma once
// The button images and their sizes in pixels, per image set: index 0 for
// Images/XGA (screens below 999 pixels high), 1 for Images/SXGA. Each fits the
// button it goes on at the smallest screen of its set: the eight speed buttons
// and the title plate are 57 pixels high on 1024 x 768 and at least 75 in the
// SXGA range, the flag buttons a third of a speed button wide; the download
// indicator has a fixed 164 x 65 size on every screen, so its image does not
// grow.

namespace korvalo {

struct TTailleImage {
  const char* Fichier;
  int Largeur[2];
  int Hauteur[2];
};

inline constexpr int NB_IMAGES = 12;

inline constexpr TTailleImage TaillesImages[NB_IMAGES] = {
    {"Bouee.bmp", {48, 64}, {48, 64}},
    {"Ecrire.bmp", {48, 64}, {48, 64}},
    {"Disquette.bmp", {48, 64}, {48, 64}},
    {"Saut.bmp", {48, 64}, {48, 64}},
    {"Affiche.bmp", {48, 64}, {48, 64}},
    {"Newton.bmp", {48, 64}, {48, 64}},
    {"Balance.bmp", {48, 64}, {48, 64}},
    {"Luke.bmp", {48, 64}, {48, 64}},
    {"Francais.bmp", {72, 96}, {48, 64}},
    {"Anglais.bmp", {72, 96}, {48, 64}},
    {"Joker.bmp", {48, 64}, {48, 64}},
    {"email.bmp", {96, 96}, {56, 56}},
};

inline constexpr const char* NomsJeux[2] = {"XGA", "SXGA"};

// Every image is drawn on this colour and never uses it inside the picture,
// so a button may take the bottom-left pixel as its transparent colour.
inline constexpr unsigned COULEUR_FOND = 0xF0F0F0;

}  // namespace korvalo
