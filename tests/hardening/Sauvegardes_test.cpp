// Saves of the parameters and values files: a save that fails part-way or is
// killed never leaves a damaged file, and the next start clears what it left.

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstring>
#include <functional>
#include <string>

#include "../engine/DossierTemporaire.h"
#include "Parametres.h"
#include "Valeurs.h"

namespace korvalo {
namespace {

using test::DossierTemporaire;
using test::Existe;
using test::LitOctets;

// One kind of data file: how to put version v in memory, save it, read it
// back as the start does, and recognise it.
struct Fichier {
  const char* nom;
  long nbLignes;
  std::function<void(int)> metVersion;
  std::function<void(const std::string&)> enregistre;
  std::function<void(const std::string&)> litAuDemarrage;
  std::function<int()> versionLue;  // 0 when memory holds neither version
};

void MetParametres(int v) {
  ParametresParDefaut();
  ParametresSystemes[2].Chicane = static_cast<float>(v);
  ParametresSystemes[3].Fit[5] = -0.5f * static_cast<float>(v);
}

int ParametresLus() {
  for (int v = 1; v <= 2; ++v)
    if (ParametresSystemes[2].Chicane == static_cast<float>(v) && ParametresSystemes[3].Fit[5] == -0.5f * static_cast<float>(v) &&
        ParametresSystemes[1].Honneurs == 'M' && ParametresSystemes[1].BonusSequenceDix == 0.5f)
      return v;
  return 0;
}

void MetValeurs(int v) {
  for (TValeursSysteme& s : ValeursSystemes) s = TValeursSysteme{};
  ValeursSystemes[2].NbDonnes = 1000 * v;
  ValeursSystemes[6].Moyenne[6][13] = 0.125f * static_cast<float>(v);
  ValeursSystemes[6].NbObservations[6][50] = v;
}

int ValeursLues() {
  for (int v = 1; v <= 2; ++v)
    if (ValeursSystemes[2].NbDonnes == 1000 * v && ValeursSystemes[6].Moyenne[6][13] == 0.125f * static_cast<float>(v) &&
        ValeursSystemes[6].NbObservations[6][50] == v)
      return v;
  return 0;
}

const Fichier FICHIERS[] = {
    {"parameters", NB_LIGNES_PARAMETRES, MetParametres,
     [](const std::string& c) { EnregistrerParametresDesComptesDePoints(c, ','); },
     // The reader itself removes a temporary left by a killed save.
     [](const std::string& c) { LireParametresDesComptesDePoints(c); }, ParametresLus},
    {"values", NB_LIGNES_VALEURS, MetValeurs,
     [](const std::string& c) { EnregistrerValeursDesComptesDePoints(c, '.'); },
     // What the start-up does before it reads the values file.
     [](const std::string& c) {
       SupprimeTemporaireOrphelin(c);
       RelireValeursDesComptesDePoints(c);
     },
     ValeursLues},
};

struct Sauvegardes : ::testing::Test {
  DossierTemporaire dossier;
  void TearDown() override {
    EchecEcritureApresLignes = -1;
    ParametresParDefaut();
    for (TValeursSysteme& s : ValeursSystemes) s = TValeursSysteme{};
  }
};

TEST_F(Sauvegardes, FailureAtAnyPointKeepsTheOldFileAndLeavesNoTemporary) {
  for (const Fichier& f : FICHIERS) {
    const std::string chemin = dossier.Fichier(std::string(f.nom) + ".txt");
    const std::string temporaire = chemin + SUFFIXE_TEMPORAIRE;
    f.metVersion(1);
    f.enregistre(chemin);
    const std::string ancien = LitOctets(chemin);
    // Before the first line, after one, half-way, before the last, after all of them.
    for (long apres : {0L, 1L, f.nbLignes / 2, f.nbLignes - 1, f.nbLignes}) {
      SCOPED_TRACE(std::string(f.nom) + " failing after line " + std::to_string(apres));
      f.metVersion(2);
      EchecEcritureApresLignes = apres;
      try {
        f.enregistre(chemin);
        ADD_FAILURE() << "the save reported success";
      } catch (const ErreurFichier& e) {
        EXPECT_EQ(e.genre, ErreurFichier::Genre::Ecriture);
        EXPECT_EQ(e.fichier, chemin);
      }
      EchecEcritureApresLignes = -1;
      EXPECT_EQ(LitOctets(chemin), ancien);
      EXPECT_FALSE(Existe(temporaire));
      f.metVersion(0);
      f.litAuDemarrage(chemin);
      EXPECT_EQ(f.versionLue(), 1);
    }
    // The first save of all fails: no file and no temporary.
    const std::string neuf = dossier.Fichier(std::string(f.nom) + "-neuf.txt");
    EchecEcritureApresLignes = 3;
    EXPECT_THROW(f.enregistre(neuf), ErreurFichier);
    EchecEcritureApresLignes = -1;
    EXPECT_FALSE(Existe(neuf));
    EXPECT_FALSE(Existe(neuf + SUFFIXE_TEMPORAIRE));
  }
}

TEST_F(Sauvegardes, KilledDuringASaveLeavesAWholeFileAndTheNextStartClearsTheTemporary) {
  for (const Fichier& f : FICHIERS) {
    SCOPED_TRACE(f.nom);
    const std::string chemin = dossier.Fichier(std::string(f.nom) + ".txt");
    const std::string temporaire = chemin + SUFFIXE_TEMPORAIRE;
    std::string octets[3];
    for (int v = 1; v <= 2; ++v) {
      f.metVersion(v);
      f.enregistre(chemin);
      octets[v] = LitOctets(chemin);
    }
    ASSERT_NE(octets[1], octets[2]);

    // Kill until a temporary is left behind, so that the clearing is exercised
    // too (a kill may also land between two saves).
    bool temporaireLaisse = false;
    for (int essai = 0; essai < 50 && !temporaireLaisse; ++essai) {
      const pid_t enfant = ::fork();
      ASSERT_GE(enfant, 0);
      if (enfant == 0) {
        for (int v = 1;; v = 3 - v) {  // saves both versions in turn until killed
          f.metVersion(v);
          f.enregistre(chemin);
        }
      }
      int etat = 0;
      while (!Existe(temporaire)) {
        ASSERT_EQ(::waitpid(enfant, &etat, WNOHANG), 0) << "the saving child ended by itself";
        ::usleep(50);
      }
      ::kill(enfant, SIGKILL);
      ASSERT_EQ(::waitpid(enfant, &etat, 0), enfant);
      ASSERT_TRUE(WIFSIGNALED(etat));

      const std::string contenu = LitOctets(chemin);
      ASSERT_TRUE(contenu == octets[1] || contenu == octets[2]) << "a damaged file of " << contenu.size() << " bytes";
      temporaireLaisse = Existe(temporaire);
      f.metVersion(0);
      f.litAuDemarrage(chemin);
      EXPECT_FALSE(Existe(temporaire));
      EXPECT_EQ(f.versionLue(), contenu == octets[1] ? 1 : 2);
      EXPECT_EQ(LitOctets(chemin), contenu);
    }
    EXPECT_TRUE(temporaireLaisse);
  }
}

}  // namespace
}  // namespace korvalo
