#include "ui/i18n/captions.h"

#include <algorithm>
#include <array>

namespace selvako {

namespace {

struct CaptionRow {
    std::string_view key;
    Traductions text;
};

// One row per component of the main window, keyed by its name. A column left
// empty falls back to French.
constexpr CaptionRow CAPTIONS[] = {
    {"Fichier1", {"Fichier"}},
    {"Nouveau2", {"Nouveau"}},
    {"Humaincontrehumain1", {"Humain contre humain"}},
    {"Ordinateurcontreordinateur1", {"Ordinateur contre ordinateur"}},
    {"Sauver1", {"Sauver"}},
    {"Imprimer1", {"Imprimer"}},
    {"Ouvrir1", {"Ouvrir"}},
    {"Problmes1", {"Leçons, exercices et problèmes"}},
    {"Installeruneposition1", {"Installer une position"}},
    {"Crerunfichiertexte1", {"Créer un fichier texte"}},
    {"Ouvrirunfichiertexte1", {"Ouvrir un fichier texte"}},
    {"Editerlimagefichierbmp1", {"Editer l'image (format Bitmap)"}},
    {"Quitter1", {"Quitter"}},
    {"Edition1", {"Edition"}},
    {"Reprendrecoups1", {"Reprendre coups"}},
    {"Avancercoups1", {"Avancer coups"}},
    {"Reveniraudbut1", {"Revenir au début"}},
    {"Allerlafin1", {"Aller à la fin"}},
    {"Affichage1", {"Affichage"}},
    {"Damier2D1", {"Damier 2D"}},
    {"Damier3D1", {"Classique"}},
    {"Damier3D2", {"Nuit"}},
    {"Damier3D3", {"Luxe"}},
    {"Damier3D7", {"Grand luxe"}},
    {"Damier3D9", {"Nature morte à la règle du jeu"}},
    {"Inverserdamier1", {"Inverser damier"}},
    {"Joueurs1", {"Joueurs"}},
    {"Match21", {"Nouveau joueur"}},
    {"Effacerunjoueur1", {"Effacer un joueur"}},
    {"Inverserlesjoueurs1", {"Inverser les joueurs"}},
    {"Changerlesnoms1", {"Changer les noms"}},
    {"Niveau1", {"Niveau"}},
    {"N150coupsen3mn1", {"1: 30 coups en 3 mn"}},
    {"N250coupsen5mn1", {"2: 30 coups en 5 mn"}},
    {"N350coupsen10mn1", {"3: 30 coups en 10 mn"}},
    {"N450coupsen30mn1", {"4: 30 coups en 30 mn"}},
    {"N550coupsen1h1", {"5: 30 coups en 1 h"}},
    {"N650coupsen2h1", {"6: 30 coups en 2 h"}},
    {"N7longlong1", {"7: long, long"}},
    {"N8Autre1", {"Autre"}},
    {"XSpecial1", {"Spécial"}},
    {"Dbutant1", {"0 : Néophyte"}},
    {"Niveau01", {"1 : Débutant"}},
    {"Niveau02", {"2 : Amateur"}},
    {"Niveau03", {"3 : Promotion"}},
    {"Niveau04", {"4 : Honneur"}},
    {"Niveau05", {"5 : Excellence"}},
    {"Niveau06", {"6 : Maître"}},
    {"Niveau07", {"7 : Grand Maître"}},
    {"Niveau081", {"8 : Grand Maître International"}},
    {"Ouvertures1", {"Paramétrage"}},
    {"Bibliothquesactives1", {"Bibliothèques actives"}},
    {"Changerbibliothqueouvertures1", {"Changer bibliothèque ouverture"}},
    {"Analyse2", {"Analyse"}},
    {"Dbuteruneanalyse1", {"Débuter une analyse"}},
    {"Arrtercettephase1", {"Arrêter cette phase"}},
    {"Terminerlanalyse1", {"Terminer l'analyse"}},
    {"Options1", {"Options"}},
    {"Numroterlescase1", {"Numéroter les cases"}},
    {"Pause1", {"Arrêt du calcul"}},
    {"Horlogeszro1", {"Horloges à zéro"}},
    {"Rflexionsurtempsadverse1", {"Réflexion sur temps adverse"}},
    {"Arretrflexionparclicsouris1", {"Arrêt réflexion par clic souris"}},
    {"Indicationdesmouvements1", {"Indication des mouvements"}},
    {"Dcomposerlesprises1", {"Décomposer les prises"}},
    {"Jeuenaveugle1", {"Jeu en aveugle"}},
    {"Aide1", {"Aide"}},
    {"Guide1", {"Documentation"}},
    {"Apropos1", {"A propos"}},
    {"Ouverturespourlesblancs1", {"Ouvertures pour les blancs"}},
    {"Ouverturespourlesnoirs1", {"Ouvertures pour les noirs"}},
    {"Bipchaquecoup1", {"Sons"}},
    {"Bipchaquecoup2", {"Bip à chaque coup"}},
    {"Commentaires1", {"Autres"}},
    {"Tailledestablesdetransposition1", {"Taille des tables de transposition"}},
    {"Changerlesnoms1", {"Changer les noms"}},
    {"Changerlesparamtres1", {"Modifier les paramètres"}},
    {"Sauverlesparamtres1", {"Sauver les paramètres"}},
    {"Chargerdesparamtres1", {"Charger des paramètres"}},
    {"Apprentissage1", {"Apprentissage"}},
    {"Lancerunesession1", {"Lancer une session"}},
    {"Arrterlasession1", {"Arrêter la session"}},
    {"Rgles1", {"Règles"}},
    {"Pause2", {"Pause"}},
    {"N50coupsen", {"30 coups en :"}},
    {"Abandon1", {"Abandonner"}},
    {"Abandon2", {"Abandonner"}},
    {"Panel11", {"Entraînement"}},
    {"Entrainement", {"Entrainement"}},
    {"Humain", {"Humain contre humain"}},
    {"Liste", {"Coups joués"}},
    {"Calcul", {"Calcul"}},
    {"Probleme0", {"Probleme"}},
    {"vider1", {"Vider le damier"}},
    {"remplir1", {"Remplir le damier"}},
    {"Joue", {"Arrêter le calcul"}},
    {"Label13", {"Selvako propose le match nul"}},
    {"Choixcouleur1", {"Couleur de Selvako"}},
    {"RadioGroup2", {"Couleur de Selvako"}},
    {"Nom_blancs", {"Blancs"}},
    {"Nom_noirs", {"Noirs"}},
    {"Label14", {"Appuyez sur OK pour accepter"}},
    {"Label15", {"Joueur :"}},
    {"Label16", {"Joueur blanc :"}},
    {"Label17", {"Joueur noir :"}},
    {"Label18", {"Joueur à effacer :"}},
    {"Label19", {"Nom du joueur :"}},
    {"Label29", {"Prise"}},
    {"Label30", {"majoritaire"}},
    {"Label31", {"obligatoire"}},
    {"Proposernul", {"Proposer nul"}},
    {"Nulrefus", {"Nul refusé"}},
    {"Selvako_blanc", {"Blanc"}},
    {"Selvako_noir", {"Noir"}},
    {"Selvako_blanc1", {"Blanc"}},
    {"Selvako_noir1", {"Noir"}},
    {"BitBtn18", {"Annuler"}},
    {"BitBtn19", {"Annuler"}},
    {"BitBtn21", {"Annuler"}},
    {"BitBtn23", {"Annuler"}},
    {"BitBtn25", {"Annuler"}},
    {"Annule_nouveau", {"Annuler"}},
    {"Button13", {"Fin"}},
    {"Button12", {"Editer"}},
    {"Button11", {"Fin analyse"}},
    {"Button10", {"Suivant"}},
    {"Panel13", {"Suivant->"}},
    {"Panel14", {"Revoir coup"}},
    {"button992", {"1600 (l'ordinateur vous laisse le double de son temps)"}},
    {"button996", {"1700 (l'ordinateur vous laisse voir sa réflexion)"}},
    {"button1000", {"1800 (l'ordinateur ne vous fait pas de cadeau)"}},
    {"RadioGroup3", {"Capital points"}},
    {"Cancel_joueurs", {"Annuler"}},
    {"Patientez", {"Patientez"}},
    {"Button9", {"Editer meilleurs coups"}},
    {"Zut", {"Zut ! ce n'est pas cela que je voulais jouer."}},
    {"Learn", {"Apprendre ?"}},
    {"Learn_yes", {"Oui"}},
    {"Learn_no", {"Non"}},
    {"Match1", {"Match"}},
    {"Langue1",
     {"Idioma/Langue/Language/Taal", "Idioma/Langue/Language/Taal", "Idioma/Langue/Language/Taal",
      "Idioma/Langue/Language/Taal", "Idioma/Langue/Language/Taal", "Idioma/Langue/Language/Taal"}},
    {"Franais1", {"Français", "Français", "Français", "Français", "Français", "Français"}},
    {"Damier2d", {"Damier 2D", "2D board", "2D bord", "Tabuleiro 2D", "Tablero 2D", "2D bord"}},
};

} // namespace

QString caption(std::string_view key, int langue) {
    const auto* row = std::find_if(std::begin(CAPTIONS), std::end(CAPTIONS),
                                   [key](const CaptionRow& r) { return r.key == key; });
    if (row == std::end(CAPTIONS))
        return QString::fromUtf8(key.data(), static_cast<qsizetype>(key.size()));
    return texte(row->text, langue);
}

QString texte(const Traductions& text, int langue) {
    std::string_view chosen = text[FRANCAIS];
    if (langue > FRANCAIS && langue < LANGUAGE_COUNT && !text[langue].empty())
        chosen = text[langue];
    return QString::fromUtf8(chosen.data(), static_cast<qsizetype>(chosen.size()));
}

} // namespace selvako
