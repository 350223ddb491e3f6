<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>AtomicFile</name>
    <message>
        <source>cannot make its folder</source>
        <translation>impossible de créer son dossier</translation>
    </message>
    <message>
        <source>cannot create a file: %1</source>
        <translation>impossible de créer un fichier : %1</translation>
    </message>
    <message>
        <source>cannot write: %1</source>
        <translation>impossible d’écrire : %1</translation>
    </message>
    <message>
        <source>cannot write to disk</source>
        <translation>impossible d’écrire sur le disque</translation>
    </message>
    <message>
        <source>cannot replace the file</source>
        <translation>impossible de remplacer le fichier</translation>
    </message>
</context>
<context>
    <name>AutostartEntry</name>
    <message>
        <source>Paytick&apos;s path holds a control character or %, which a login cannot start; install Paytick or move it to another path</source>
        <translation>Le chemin de Paytick contient un caractère de contrôle ou %, qu’une session ne peut pas lancer ; installez Paytick ou déplacez-le ailleurs</translation>
    </message>
</context>
<context>
    <name>BackButton</name>
    <message>
        <source>Back</source>
        <translation>Retour</translation>
    </message>
</context>
<context>
    <name>ColorSection</name>
    <message>
        <source>Number color</source>
        <translation>Couleur des chiffres</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Usage: paytick [--help] [--version] [Qt options]
Shows how much you have earned since you pressed Start Earning, on a
small panel that floats above your other windows.

  -h, --help     show this help and quit
  -v, --version  show the version and quit
</source>
        <translation>Usage : paytick [--help] [--version] [options Qt]
Affiche, sur un petit panneau au-dessus de vos autres fenêtres, combien
vous avez gagné depuis que vous avez appuyé sur « Commencer à gagner ».

  -h, --help     afficher cette aide et quitter
  -v, --version  afficher la version et quitter
</translation>
    </message>
    <message>
        <source>paytick: unknown option %1</source>
        <translation>paytick : option inconnue %1</translation>
    </message>
    <message>
        <source>Paytick needs a graphical desktop session: neither DISPLAY nor WAYLAND_DISPLAY is set.
</source>
        <translation>Paytick a besoin d’une session graphique : ni DISPLAY ni WAYLAND_DISPLAY n’est défini.
</translation>
    </message>
    <message>
        <source>Paytick needs a graphical desktop session: the display %1 cannot be opened.
</source>
        <translation>Paytick a besoin d’une session graphique : impossible d’ouvrir l’affichage %1.
</translation>
    </message>
</context>
<context>
    <name>CountFrom</name>
    <message>
        <source>Since start</source>
        <translation>Depuis le début</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Aujourd’hui</translation>
    </message>
    <message>
        <source>This week</source>
        <translation>Cette semaine</translation>
    </message>
    <message>
        <source>This month</source>
        <translation>Ce mois-ci</translation>
    </message>
</context>
<context>
    <name>CountSection</name>
    <message>
        <source>Count</source>
        <translation>Période</translation>
    </message>
</context>
<context>
    <name>CounterFace</name>
    <message>
        <source>%1 left</source>
        <translation>Reste %1</translation>
    </message>
</context>
<context>
    <name>CounterView</name>
    <message>
        <source>Resumes %1</source>
        <translation>Reprise %1</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>En pause</translation>
    </message>
    <message>
        <source>Amount hidden</source>
        <translation>Montant masqué</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>what the display stands at, then the pause sign</comment>
        <translation>%1, %2</translation>
    </message>
</context>
<context>
    <name>CurrencySection</name>
    <message>
        <source>Show</source>
        <translation>Afficher</translation>
    </message>
    <message>
        <source>Currency</source>
        <translation>Devise</translation>
    </message>
    <message>
        <source>Symbol %1</source>
        <translation>Symbole %1</translation>
    </message>
</context>
<context>
    <name>DayHoursRow</name>
    <message>
        <source>%1 from</source>
        <translation>%1 : de</translation>
    </message>
    <message>
        <source>%1 to</source>
        <translation>%1 : à</translation>
    </message>
    <message>
        <source>%1 break</source>
        <translation>%1 : pause</translation>
    </message>
    <message>
        <source>%1 break from</source>
        <translation>%1 : début de pause</translation>
    </message>
    <message>
        <source>%1 break to</source>
        <translation>%1 : fin de pause</translation>
    </message>
    <message>
        <source>Break</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>From and To must differ</source>
        <translation>« De » et « À » doivent différer</translation>
    </message>
    <message>
        <source>The break must lie within the hours</source>
        <translation>La pause doit se situer dans les heures</translation>
    </message>
</context>
<context>
    <name>DigitColor</name>
    <message>
        <source>Green</source>
        <translation>Vert</translation>
    </message>
    <message>
        <source>Lime</source>
        <translation>Citron vert</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Jaune</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Orange</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rouge</translation>
    </message>
    <message>
        <source>Pink</source>
        <translation>Rose</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Violet</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Bleu</translation>
    </message>
    <message>
        <source>Cyan</source>
        <translation>Cyan</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Blanc</translation>
    </message>
</context>
<context>
    <name>EmojiChooser</name>
    <message>
        <source>Any</source>
        <translation>Autre</translation>
    </message>
    <message>
        <source>Any emoji</source>
        <translation>Autre emoji</translation>
    </message>
    <message>
        <source>Type or paste one emoji</source>
        <translation>Saisissez ou collez un emoji</translation>
    </message>
</context>
<context>
    <name>FloatingPanel</name>
    <message>
        <source>Hide Amount</source>
        <translation>Masquer le montant</translation>
    </message>
    <message>
        <source>Start at Login</source>
        <translation>Lancer à la connexion</translation>
    </message>
    <message>
        <source>Quit Paytick</source>
        <translation>Quitter Paytick</translation>
    </message>
    <message>
        <source>Paytick could not turn on Start at Login.</source>
        <translation>Paytick n’a pas pu activer « Lancer à la connexion ».</translation>
    </message>
    <message>
        <source>Paytick could not turn off Start at Login.</source>
        <translation>Paytick n’a pas pu désactiver « Lancer à la connexion ».</translation>
    </message>
</context>
<context>
    <name>GoalPictureKind</name>
    <message>
        <source>None</source>
        <translation>Aucune</translation>
    </message>
    <message>
        <source>Emoji</source>
        <translation>Emoji</translation>
    </message>
    <message>
        <source>Image</source>
        <translation>Image</translation>
    </message>
</context>
<context>
    <name>GoalProgress</name>
    <message>
        <source>Add an amount in Settings</source>
        <translation>Ajoutez un montant dans les paramètres</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 sur %2</translation>
    </message>
    <message>
        <source>Reached!</source>
        <translation>Atteint !</translation>
    </message>
    <message>
        <source>Reached %1!</source>
        <translation>%1 atteint !</translation>
    </message>
</context>
<context>
    <name>GoalRow</name>
    <message>
        <source>%1, %2</source>
        <comment>the goal&apos;s text, then how far it is reached</comment>
        <translation>%1, %2</translation>
    </message>
</context>
<context>
    <name>GoalSection</name>
    <message>
        <source>Goal</source>
        <translation>Objectif</translation>
    </message>
    <message>
        <source>How much to make</source>
        <translation>Combien gagner</translation>
    </message>
    <message>
        <source>What it&apos;s for</source>
        <translation>Pour quoi</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Image</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Montant</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texte</translation>
    </message>
    <message>
        <source>Enter an amount to start tracking your goal</source>
        <translation>Saisissez un montant pour suivre votre objectif</translation>
    </message>
    <message>
        <source>Enter the amount as a number, like 5000</source>
        <translation>Saisissez le montant en chiffres, par exemple 5000</translation>
    </message>
</context>
<context>
    <name>ImageChooser</name>
    <message>
        <source>Couldn&apos;t read that image</source>
        <translation>Impossible de lire cette image</translation>
    </message>
    <message>
        <source>Change Image…</source>
        <translation>Changer d’image…</translation>
    </message>
    <message>
        <source>Upload Image…</source>
        <translation>Ajouter une image…</translation>
    </message>
</context>
<context>
    <name>PayPeriod</name>
    <message>
        <source>Monthly</source>
        <translation>Mensuel</translation>
    </message>
    <message>
        <source>Yearly</source>
        <translation>Annuel</translation>
    </message>
    <message>
        <source>Hourly</source>
        <translation>Horaire</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <comment>Translate this string to the string &apos;LTR&apos; in left-to-right languages or to &apos;RTL&apos; in right-to-left languages (such as Hebrew and Arabic) to get proper widget layout.</comment>
        <translation>LTR</translation>
    </message>
</context>
<context>
    <name>QuitButton</name>
    <message>
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
</context>
<context>
    <name>SaveProblemMark</name>
    <message>
        <source>Settings not saved</source>
        <translation>Paramètres non enregistrés</translation>
    </message>
    <message>
        <source>Paytick can&apos;t save its settings (%1). It keeps trying; what you typed is kept while it runs.</source>
        <translation>Paytick ne peut pas enregistrer ses paramètres (%1). Il réessaie ; ce que vous avez saisi est conservé tant qu’il tourne.</translation>
    </message>
</context>
<context>
    <name>SettingsButton</name>
    <message>
        <source>Settings</source>
        <translation>Paramètres</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>cannot keep a copy of the old file as %1: %2</source>
        <translation>impossible de garder une copie de l’ancien fichier sous %1 : %2</translation>
    </message>
</context>
<context>
    <name>SettingsView</name>
    <message>
        <source>Settings</source>
        <translation>Paramètres</translation>
    </message>
</context>
<context>
    <name>SetupView</name>
    <message>
        <source>Salary period</source>
        <translation>Période du salaire</translation>
    </message>
    <message>
        <source>Start Earning</source>
        <translation>Commencer à gagner</translation>
    </message>
    <message>
        <source>Your salary</source>
        <translation>Votre salaire</translation>
    </message>
    <message>
        <source>Enter at most %1 a year</source>
        <translation>Au plus %1 par an</translation>
    </message>
</context>
<context>
    <name>WindowServices</name>
    <message>
        <source>Images (%1)</source>
        <translation>Images (%1)</translation>
    </message>
    <message>
        <source>Choose a Picture</source>
        <translation>Choisir une image</translation>
    </message>
</context>
<context>
    <name>WorkingHoursSection</name>
    <message>
        <source>Working hours</source>
        <translation>Heures de travail</translation>
    </message>
    <message>
        <source>From</source>
        <translation>De</translation>
    </message>
    <message>
        <source>To</source>
        <translation>À</translation>
    </message>
    <message>
        <source>From and To must differ</source>
        <translation>« De » et « À » doivent différer</translation>
    </message>
    <message>
        <source>Break</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Break from</source>
        <translation>Début de pause</translation>
    </message>
    <message>
        <source>Break to</source>
        <translation>Fin de pause</translation>
    </message>
    <message>
        <source>The break must lie within the hours</source>
        <translation>La pause doit se situer dans les heures</translation>
    </message>
    <message>
        <source>Days</source>
        <translation>Jours</translation>
    </message>
    <message>
        <source>Hours</source>
        <translation>Heures</translation>
    </message>
    <message>
        <source>Same hours every day</source>
        <translation>Mêmes heures chaque jour</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Paytick: found no private folder for its lock, so starting it again will open a second panel.
</source>
        <translation>Paytick : aucun dossier privé pour son verrou, un nouveau lancement ouvrira donc un second panneau.
</translation>
    </message>
    <message>
        <source>Paytick: quit without saving %1 to %2: %3
</source>
        <translation>Paytick : fermé sans enregistrer %1 dans %2 : %3
</translation>
    </message>
</context>
</TS>
