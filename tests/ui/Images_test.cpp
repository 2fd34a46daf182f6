// The committed button images: every file of both sets is there, is a 24-bit
// bitmap of its button's size on the keyed background, and is what the
// drawing tool makes today (an edited tool whose images were not redrawn
// fails here).

#include <gtest/gtest.h>

#include <QByteArray>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

#include "TaillesImages.h"

namespace korvalo {
namespace {

QByteArray Contenu(const QString& chemin) {
  QFile f(chemin);
  if (!f.open(QIODevice::ReadOnly)) return {};
  return f.readAll();
}

unsigned Mot(const QByteArray& octets, int position) {
  return static_cast<unsigned char>(octets[position]) | static_cast<unsigned char>(octets[position + 1]) << 8;
}

QString Chemin(const QString& racine, int jeu, int i) {
  return racine + "/" + NomsJeux[jeu] + "/" + TaillesImages[i].Fichier;
}

TEST(ImagesBoutons, ChaqueFichierEstUnBitmap24BitsALaTailleDeSonBouton) {
  for (int jeu = 0; jeu < 2; ++jeu) {
    for (int i = 0; i < NB_IMAGES; ++i) {
      const QString chemin = Chemin(KORVALO_SOURCE_DIR "/Images", jeu, i);
      SCOPED_TRACE(chemin.toStdString());
      const QByteArray octets = Contenu(chemin);
      ASSERT_GT(octets.size(), 54) << "missing or truncated";
      EXPECT_EQ(octets.left(2), "BM");
      EXPECT_EQ(Mot(octets, 28), 24u) << "bits per pixel";
      EXPECT_EQ(Mot(octets, 30), 0u) << "compression";

      const QImage image = QImage::fromData(octets, "BMP");
      ASSERT_FALSE(image.isNull());
      EXPECT_EQ(image.width(), TaillesImages[i].Largeur[jeu]);
      EXPECT_EQ(image.height(), TaillesImages[i].Hauteur[jeu]);
      EXPECT_EQ(image.pixel(0, image.height() - 1) & 0xFFFFFF, COULEUR_FOND) << "bottom-left pixel";
      int dessines = 0;
      for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) dessines += (image.pixel(x, y) & 0xFFFFFF) != COULEUR_FOND;
      EXPECT_GT(dessines, image.width() * image.height() / 5) << "nearly blank picture";
    }
  }
}

TEST(ImagesBoutons, LesFichiersLivresSontCeuxQueDessineLOutil) {
  QTemporaryDir dossier;
  ASSERT_TRUE(dossier.isValid());
  QProcess outil;
  outil.setProcessChannelMode(QProcess::ForwardedChannels);
  outil.start(KORVALO_OUTIL_IMAGES, {dossier.path()});
  ASSERT_TRUE(outil.waitForFinished(-1));
  ASSERT_EQ(outil.exitStatus(), QProcess::NormalExit);
  ASSERT_EQ(outil.exitCode(), 0);
  for (int jeu = 0; jeu < 2; ++jeu) {
    for (int i = 0; i < NB_IMAGES; ++i) {
      const QString livre = Chemin(KORVALO_SOURCE_DIR "/Images", jeu, i);
      EXPECT_EQ(Contenu(livre), Contenu(Chemin(dossier.path(), jeu, i)))
          << livre.toStdString() << " differs from the tool's drawing: run `ninja images` and commit";
    }
  }
}

}  // namespace
}  // namespace korvalo
