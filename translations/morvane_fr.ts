<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
    <context>
        <name>Batch</name>
        <message>
            <source>Please select a destination folder for Copy/Move mode.</source>
            <translation>Veuillez choisir un dossier de destination pour la copie ou le déplacement.</translation>
        </message>
        <message>
            <source>Please build preview first (click "Preview Result" button).</source>
            <translation>Veuillez d'abord créer un aperçu (bouton « Aperçu du résultat »).</translation>
        </message>
        <message>
            <source>Batch completed. A CSV log has been saved in AppData.</source>
            <translation>Lot terminé. Un journal CSV a été enregistré dans AppData.</translation>
        </message>
        <message>
            <source>Invalid characters in path</source>
            <translation>Caractères non valides dans le chemin</translation>
        </message>
        <message>
            <source>The specified file was not found</source>
            <translation>Le fichier indiqué est introuvable</translation>
        </message>
        <message>
            <source>The specified path was not found</source>
            <translation>Le chemin indiqué est introuvable</translation>
        </message>
        <message>
            <source>The specified file already exists</source>
            <translation>Le fichier indiqué existe déjà</translation>
        </message>
        <message>
            <source>The file changed while it was being copied</source>
            <translation>Le fichier a changé pendant sa copie</translation>
        </message>
        <message>
            <source>No undo log found in AppData.</source>
            <translation>Aucun journal d'annulation trouvé dans AppData.</translation>
        </message>
        <message>
            <source>Undo completed for the last rename operation.</source>
            <translation>Le dernier renommage a été annulé.</translation>
        </message>
        <message>
            <source>No mapping for the Unicode character exists in the target multi-byte code page</source>
            <translation>Aucune correspondance n'existe pour le caractère Unicode dans la page de codes multioctet cible</translation>
        </message>
    </context>
    <context>
        <name>CommandLine</name>
        <message>
            <source>/undo cannot be combined with /dryrun: an undo cannot be tried out.</source>
            <translation>/undo ne peut pas être combiné avec /dryrun : une annulation ne peut pas être essayée.</translation>
        </message>
        <message>
            <source>/undo takes no files or folders: it reverts the last batch from its undo log.</source>
            <translation>/undo ne prend ni fichiers ni dossiers : il annule le dernier lot grâce à son journal.</translation>
        </message>
        <message>
            <source>No files or folders given.</source>
            <translation>Aucun fichier ni dossier indiqué.</translation>
        </message>
        <message>
            <source>File or folder not found: %1</source>
            <translation>Fichier ou dossier introuvable : %1</translation>
        </message>
        <message>
            <source>These files were left out because their names are not valid UTF-8 text:
%1</source>
            <translation>Ces fichiers ont été laissés de côté car leur nom n'est pas un texte UTF-8 valide :
%1</translation>
        </message>
        <message>
            <source>File or folder not found:
%1</source>
            <translation>Fichier ou dossier introuvable :
%1</translation>
        </message>
        <message>
            <source>The switch /%1 takes no value.</source>
            <translation>Le commutateur /%1 ne prend pas de valeur.</translation>
        </message>
        <message>
            <source>The option /%1 needs a value: /%1=VALUE.</source>
            <translation>L'option /%1 demande une valeur : /%1=VALEUR.</translation>
        </message>
        <message>
            <source>Usage: morvane [FILE|FOLDER...]
       morvane /cli [/quiet] [OPTIONS] FILE|FOLDER...
       morvane /cli [/quiet] /undo

Renames files in a batch. Without /cli the window opens with the files and
folders given. With /cli one batch runs without questions: the options are
applied, the preview is built and the new names are applied.

Switches:
  /cli             run one batch from the command line
  /quiet           no window and no message boxes; messages are printed
                   (information to stdout, warnings and errors to stderr)
  /dryrun          build the preview only; touch no file. With /quiet the
                   preview is printed: original path, TAB, new name, one
                   line per file (TAB, CR, LF and \ written as \t \r \n \\)
  /regex           find and replace with regular expressions
  /undo            revert the last batch from its undo log instead
  /help, /?        show this text

Options:
  /pattern=TEXT    name pattern, e.g. {counter}_{name} or {taken:yyyymmdd_hhnnss};
                   the keywords are listed in the window's pattern help (the
                   "?" button beside the pattern)
  /start=N         first counter value
  /digits=N        counter digits (1 to 10)
  /case=lower|upper|title   case of the new names (other: unchanged)
  /find=TEXT       text to find in the new names
  /replace=TEXT    its replacement
  /newext=EXT      new extension (empty: keep the extension)
  /conflict=skip|overwrite|number   when the target exists (default: number)
  /preset=FILE     load a preset first; absent options then keep its values

Every switch and option may also be written as --name or --name=value, in
any letter case. Other arguments are files (added) and folders (their files
added; with subfolders when the preset says so). A path whose name looks
like an option, such as /pattern=x, can be written as /./pattern=x, and
every argument after -- is a path.

Exit status: 0 done, 1 an error or warning stopped the run, 2 usage fault.
</source>
            <translation>Usage : morvane [FICHIER|DOSSIER...]
        morvane /cli [/quiet] [OPTIONS] FICHIER|DOSSIER...
        morvane /cli [/quiet] /undo

Renomme des fichiers par lot. Sans /cli, la fenêtre s'ouvre avec les fichiers
et dossiers indiqués. Avec /cli, un lot s'exécute sans question : les options
sont appliquées, l'aperçu est construit et les nouveaux noms sont appliqués.

Commutateurs :
  /cli             exécuter un lot depuis la ligne de commande
  /quiet           ni fenêtre ni boîte de message ; les messages sont affichés
                   (informations sur stdout, avertissements et erreurs sur stderr)
  /dryrun          construire seulement l'aperçu, sans toucher aucun fichier. Avec
                   /quiet, l'aperçu est affiché : chemin d'origine, TAB, nouveau
                   nom, une ligne par fichier (TAB, CR, LF et \ écrits \t \r \n \\)
  /regex           rechercher et remplacer avec des expressions régulières
  /undo            annuler plutôt le dernier lot grâce à son journal
  /help, /?        afficher ce texte

Options :
  /pattern=TEXTE   modèle de nom, p. ex. {counter}_{name} ou {taken:yyyymmdd_hhnnss} ;
                   les mots-clés figurent dans l'aide du modèle de la fenêtre
                   (le bouton « ? » à côté du modèle)
  /start=N         première valeur du compteur
  /digits=N        chiffres du compteur (1 à 10)
  /case=lower|upper|title   casse des nouveaux noms (autre : inchangée)
  /find=TEXTE      texte à rechercher dans les nouveaux noms
  /replace=TEXTE   son remplacement
  /newext=EXT      nouvelle extension (vide : garder l'extension)
  /conflict=skip|overwrite|number   si la cible existe (par défaut : number)
  /preset=FICHIER  charger d'abord un préréglage ; les options absentes gardent alors ses valeurs

Chaque commutateur et option peut aussi s'écrire --nom ou --nom=valeur, dans
n'importe quelle casse. Les autres arguments sont des fichiers (ajoutés) et des
dossiers (leurs fichiers ajoutés ; avec les sous-dossiers si le préréglage le
demande). Un chemin dont le nom ressemble à une option, comme /pattern=x, peut
s'écrire /./pattern=x, et tout argument après -- est un chemin.

Code de sortie : 0 terminé, 1 une erreur ou un avertissement a arrêté l'exécution,
2 erreur d'utilisation.
</translation>
        </message>
        <message>
            <source>Error: </source>
            <translation>Erreur : </translation>
        </message>
        <message>
            <source>Warning: </source>
            <translation>Avertissement : </translation>
        </message>
        <message>
            <source>Try 'morvane --help' for more information.
</source>
            <translation>Essayez « morvane --help » pour plus d'informations.
</translation>
        </message>
        <message>
            <source>/quiet runs a batch only together with /cli.</source>
            <translation>/quiet n'exécute un lot qu'avec /cli.</translation>
        </message>
        <message>
            <source>Error: cannot write to standard output.
</source>
            <translation>Erreur : impossible d'écrire sur la sortie standard.
</translation>
        </message>
    </context>
    <context>
        <name>Engine</name>
        <message>
            <source>Error in regular expression at offset %1: %2</source>
            <translation>Erreur dans l'expression régulière à la position %1 : %2</translation>
        </message>
        <message>
            <source>Cannot open file "%1". %2</source>
            <translation>Impossible d'ouvrir le fichier « %1 ». %2</translation>
        </message>
        <message>
            <source>Cannot read file "%1". %2</source>
            <translation>Impossible de lire le fichier « %1 ». %2</translation>
        </message>
        <message>
            <source>No mapping for the Unicode character exists in the target multi-byte code page</source>
            <translation>Aucune correspondance n'existe pour le caractère Unicode dans la page de codes multioctet cible</translation>
        </message>
        <message>
            <source>Invalid characters in path</source>
            <translation>Caractères non valides dans le chemin</translation>
        </message>
        <message>
            <source>No files loaded. Add files first.</source>
            <translation>Aucun fichier chargé. Ajoutez d'abord des fichiers.</translation>
        </message>
        <message>
            <source>"%1" cannot be named exactly: its name is not valid UTF-8 text</source>
            <translation>« %1 » ne peut pas être désigné exactement : son nom n'est pas un texte UTF-8 valide</translation>
        </message>
    </context>
    <context>
        <name>Presets</name>
        <message>
            <source>The file "%1" is not UTF-8 text</source>
            <translation>Le fichier « %1 » n'est pas un texte UTF-8</translation>
        </message>
        <message>
            <source>Cannot open file "%1". %2</source>
            <translation>Impossible d'ouvrir le fichier « %1 ». %2</translation>
        </message>
        <message>
            <source>Cannot read file "%1". %2</source>
            <translation>Impossible de lire le fichier « %1 ». %2</translation>
        </message>
        <message>
            <source>The file "%1" is too large for a preset</source>
            <translation>Le fichier « %1 » est trop volumineux pour un préréglage</translation>
        </message>
        <message>
            <source>Cannot create file "%1". %2</source>
            <translation>Impossible de créer le fichier « %1 ». %2</translation>
        </message>
        <message>
            <source>Cannot write file "%1". %2</source>
            <translation>Impossible d'écrire le fichier « %1 ». %2</translation>
        </message>
    </context>
    <context>
        <name>Update</name>
        <message>
            <source>This version of the software is out of date. You must download the current version %1 to continue using the software.</source>
            <translation>Cette version du logiciel est obsolète. Vous devez télécharger la version actuelle %1 pour continuer à utiliser le logiciel.</translation>
        </message>
        <message>
            <source>The new version %1 is available</source>
            <translation>La nouvelle version %1 est disponible</translation>
        </message>
        <message>
            <source>What's new:</source>
            <translation>Nouveautés :</translation>
        </message>
    </context>
    <context>
        <name>morvane::AppTexts</name>
        <message>
            <source>add files</source>
            <translation>ajouter des fichiers</translation>
        </message>
        <message>
            <source>add a folder</source>
            <translation>ajouter un dossier</translation>
        </message>
        <message>
            <source>preview the new names</source>
            <translation>aperçu des nouveaux noms</translation>
        </message>
        <message>
            <source>rename the files</source>
            <translation>renommer les fichiers</translation>
        </message>
        <message>
            <source>undo the last rename</source>
            <translation>annuler le dernier renommage</translation>
        </message>
        <message>
            <source>settings</source>
            <translation>paramètres</translation>
        </message>
        <message>
            <source>this help</source>
            <translation>cette aide</translation>
        </message>
        <message>
            <source>remove the selected files from the list</source>
            <translation>retirer de la liste les fichiers sélectionnés</translation>
        </message>
        <message>
            <source>Keyboard shortcuts:</source>
            <translation>Raccourcis clavier :</translation>
        </message>
        <message>
            <source>%1 - %2</source>
            <translation>%1 - %2</translation>
        </message>
        <message>
            <source>Version: %1</source>
            <translation>Version : %1</translation>
        </message>
        <message>
            <source>Website: %1</source>
            <translation>Site web : %1</translation>
        </message>
        <message>
            <source>This software is protected by copyright law and international treaties. </source>
            <translation>Ce logiciel est protégé par le droit d'auteur et les traités internationaux. </translation>
        </message>
        <message>
            <source>Unauthorised reproduction or distribution of this program, or any portion of it, </source>
            <translation>Toute reproduction ou distribution non autorisée de ce programme, ou d'une partie de celui-ci, </translation>
        </message>
        <message>
            <source>may result in severe civil and criminal penalties, and will be prosecuted </source>
            <translation>peut entraîner de lourdes sanctions civiles et pénales et sera poursuivie </translation>
        </message>
        <message>
            <source>to the maximum extent possible under the law.</source>
            <translation>dans toute la mesure permise par la loi.</translation>
        </message>
        <message>
            <source>Copyright (c) %1 Quenzel. All rights reserved.</source>
            <translation>Copyright (c) %1 Quenzel. Tous droits réservés.</translation>
        </message>
        <message>
            <source>Pattern defines how the new file name will be built.</source>
            <translation>Le modèle définit comment le nouveau nom de fichier est construit.</translation>
        </message>
        <message>
            <source>You can combine plain text with keywords in braces.</source>
            <translation>Vous pouvez combiner du texte simple avec des mots-clés entre accolades.</translation>
        </message>
        <message>
            <source>Examples:</source>
            <translation>Exemples :</translation>
        </message>
        <message>
            <source>Supported keywords:</source>
            <translation>Mots-clés pris en charge :</translation>
        </message>
        <message>
            <source>{name} - file name after string replacement</source>
            <translation>{name} - nom du fichier après le remplacement de texte</translation>
        </message>
        <message>
            <source>{ext} - original file extension without dot</source>
            <translation>{ext} - extension d'origine du fichier, sans le point</translation>
        </message>
        <message>
            <source>{counter} - auto-increment number</source>
            <translation>{counter} - numéro incrémenté automatiquement</translation>
        </message>
        <message>
            <source>{date} - current date</source>
            <translation>{date} - date du jour</translation>
        </message>
        <message>
            <source>{time} - current time</source>
            <translation>{time} - heure actuelle</translation>
        </message>
        <message>
            <source>{created} - file creation date</source>
            <translation>{created} - date de création du fichier</translation>
        </message>
        <message>
            <source>{modified} - file modification date</source>
            <translation>{modified} - date de modification du fichier</translation>
        </message>
        <message>
            <source>{parent}/{folder} - parent folder name</source>
            <translation>{parent}/{folder} - nom du dossier parent</translation>
        </message>
        <message>
            <source>{size} - file size in bytes</source>
            <translation>{size} - taille du fichier en octets</translation>
        </message>
        <message>
            <source>{list} - imported name list entry</source>
            <translation>{list} - entrée de la liste de noms importée</translation>
        </message>
        <message>
            <source>{imgw}/{imgh} - image width/height when available</source>
            <translation>{imgw}/{imgh} - largeur/hauteur de l'image si disponible</translation>
        </message>
        <message>
            <source>Formatting examples:</source>
            <translation>Exemples de format :</translation>
        </message>
        <message>
            <source>{name:1:8} - substring of the original name</source>
            <translation>{name:1:8} - partie du nom d'origine</translation>
        </message>
        <message>
            <source>Photo metadata (JPEG, TIFF, PNG, raw; empty when absent):</source>
            <translation>Métadonnées photo (JPEG, TIFF, PNG, raw ; vides si absentes) :</translation>
        </message>
        <message>
            <source>{taken} - date taken, yyyymmdd; {taken:yyyy-MM-dd_hh-nn-ss.zzz} formatted</source>
            <translation>{taken} - date de prise de vue, yyyymmdd ; {taken:yyyy-MM-dd_hh-nn-ss.zzz} mis en forme</translation>
        </message>
        <message>
            <source>{camera} - make and model; {make}, {model}, {lens}, {iso}</source>
            <translation>{camera} - marque et modèle ; {make}, {model}, {lens}, {iso}</translation>
        </message>
        <message>
            <source>{exif:Exif.Photo.FNumber} - any Exif, IPTC or XMP key</source>
            <translation>{exif:Exif.Photo.FNumber} - toute clé Exif, IPTC ou XMP</translation>
        </message>
        <message>
            <source>Audio tags (MP3, FLAC, Ogg, M4A, WMA, WAV, ...):</source>
            <translation>Étiquettes audio (MP3, FLAC, Ogg, M4A, WMA, WAV, ...) :</translation>
        </message>
        <message>
            <source>{artist}, {album}, {albumartist}, {title}, {track}, {disc}, {year}, {genre}</source>
            <translation>{artist}, {album}, {albumartist}, {title}, {track}, {disc}, {year}, {genre}</translation>
        </message>
    </context>
    <context>
        <name>morvane::CommandBar</name>
        <message>
            <source>Add Files</source>
            <translation>Ajouter des fichiers</translation>
        </message>
        <message>
            <source>Add Folder...</source>
            <translation>Ajouter un dossier...</translation>
        </message>
        <message>
            <source>Remove Selected Items</source>
            <translation>Retirer les éléments sélectionnés</translation>
        </message>
        <message>
            <source>Preview Result</source>
            <translation>Aperçu du résultat</translation>
        </message>
        <message>
            <source>Rename Files!</source>
            <translation>Renommer les fichiers !</translation>
        </message>
        <message>
            <source>Undo Last Rename</source>
            <translation>Annuler le dernier renommage</translation>
        </message>
        <message>
            <source>Save Preset</source>
            <translation>Enregistrer le préréglage</translation>
        </message>
        <message>
            <source>Load Preset</source>
            <translation>Charger un préréglage</translation>
        </message>
        <message>
            <source>Load Name List</source>
            <translation>Charger une liste de noms</translation>
        </message>
        <message>
            <source>Settings</source>
            <translation>Paramètres</translation>
        </message>
        <message>
            <source>About Program</source>
            <translation>À propos du programme</translation>
        </message>
        <message>
            <source>Help</source>
            <translation>Aide</translation>
        </message>
        <message>
            <source>Clear</source>
            <translation>Vider</translation>
        </message>
        <message>
            <source>Include subfolders</source>
            <translation>Inclure les sous-dossiers</translation>
        </message>
        <message>
            <source>Folders added or dropped bring the files of their subfolders too</source>
            <translation>Les dossiers ajoutés ou déposés apportent aussi les fichiers de leurs sous-dossiers</translation>
        </message>
        <message>
            <source>More commands</source>
            <translation>Autres commandes</translation>
        </message>
    </context>
    <context>
        <name>morvane::Dialogs</name>
        <message>
            <source>&amp;Yes</source>
            <translation>&amp;Oui</translation>
        </message>
        <message>
            <source>&amp;No</source>
            <translation>&amp;Non</translation>
        </message>
        <message>
            <source>OK</source>
            <translation>OK</translation>
        </message>
    </context>
    <context>
        <name>morvane::FileListModel</name>
        <message>
            <source>Original Name</source>
            <translation>Nom d'origine</translation>
        </message>
        <message>
            <source>New Name (preview)</source>
            <translation>Nouveau nom (aperçu)</translation>
        </message>
        <message>
            <source>Folder</source>
            <translation>Dossier</translation>
        </message>
        <message>
            <source>Size</source>
            <translation>Taille</translation>
        </message>
    </context>
    <context>
        <name>morvane::FileListView</name>
        <message>
            <source>Files</source>
            <translation>Fichiers</translation>
        </message>
        <message>
            <source>The files to rename with their new names; Delete removes the selected ones</source>
            <translation>Les fichiers à renommer avec leurs nouveaux noms ; Suppr retire ceux qui sont sélectionnés</translation>
        </message>
        <message>
            <source>Remove selected</source>
            <translation>Retirer la sélection</translation>
        </message>
        <message>
            <source>Clear list</source>
            <translation>Vider la liste</translation>
        </message>
    </context>
    <context>
        <name>morvane::HomePageLink</name>
        <message>
            <source>Opens the program's home page in the web browser</source>
            <translation>Ouvre la page d'accueil du programme dans le navigateur web</translation>
        </message>
    </context>
    <context>
        <name>morvane::MainWindow</name>
        <message>
            <source>An unexpected error stopped the operation</source>
            <translation>Une erreur inattendue a interrompu l'opération</translation>
        </message>
        <message>
            <source>Information</source>
            <translation>Information</translation>
        </message>
        <message>
            <source>Warning</source>
            <translation>Avertissement</translation>
        </message>
        <message>
            <source>Error</source>
            <translation>Erreur</translation>
        </message>
        <message>
            <source>Confirm</source>
            <translation>Confirmer</translation>
        </message>
        <message>
            <source>Select files to add</source>
            <translation>Choisir les fichiers à ajouter</translation>
        </message>
        <message>
            <source>All files (*)</source>
            <translation>Tous les fichiers (*)</translation>
        </message>
        <message>
            <source>Select folder</source>
            <translation>Choisir un dossier</translation>
        </message>
        <message numerus="yes">
            <source>... and %n more</source>
            <translation>
                <numerusform>... et %n autre</numerusform>
                <numerusform>... et %n autres</numerusform>
            </translation>
        </message>
        <message numerus="yes">
            <source>%n file name(s) are not valid UTF-8 and cannot be renamed safely, so they were skipped:

%1</source>
            <translation>
                <numerusform>%n nom de fichier n'est pas en UTF-8 valide et ne peut pas être renommé sans risque ; il a été ignoré :

%1</numerusform>
                <numerusform>%n noms de fichiers ne sont pas en UTF-8 valide et ne peuvent pas être renommés sans risque ; ils ont été ignorés :

%1</numerusform>
            </translation>
        </message>
        <message>
            <source>Files: %1</source>
            <translation>Fichiers : %1</translation>
        </message>
        <message>
            <source>Nothing to rename. Add files and build a preview first.</source>
            <translation>Rien à renommer. Ajoutez d'abord des fichiers et créez un aperçu.</translation>
        </message>
        <message>
            <source>Proceed to rename files as shown in the preview?</source>
            <translation>Renommer les fichiers comme indiqué dans l'aperçu ?</translation>
        </message>
        <message>
            <source>Preset JSON (*.json)</source>
            <translation>Préréglage JSON (*.json)</translation>
        </message>
        <message>
            <source>Name list (*.txt *.csv);;All files (*)</source>
            <translation>Liste de noms (*.txt *.csv);;Tous les fichiers (*)</translation>
        </message>
        <message>
            <source>Name list (*.txt *.csv)</source>
            <translation>Liste de noms (*.txt *.csv)</translation>
        </message>
        <message>
            <source>Select destination folder</source>
            <translation>Choisir le dossier de destination</translation>
        </message>
    </context>
    <context>
        <name>morvane::NewVersionDialog</name>
        <message>
            <source>Update Now</source>
            <translation>Mettre à jour</translation>
        </message>
        <message>
            <source>Exit</source>
            <translation>Quitter</translation>
        </message>
        <message>
            <source>Skip</source>
            <translation>Ignorer</translation>
        </message>
        <message>
            <source>Abort</source>
            <translation>Interrompre</translation>
        </message>
        <message>
            <source>Cannot create file "%1". %2</source>
            <translation>Impossible de créer le fichier « %1 ». %2</translation>
        </message>
        <message>
            <source>Cannot write file "%1". %2</source>
            <translation>Impossible d'écrire le fichier « %1 ». %2</translation>
        </message>
        <message>
            <source>The server answered HTTP %1 %2 and redirected to %3.</source>
            <translation>Le serveur a répondu HTTP %1 %2 et a redirigé vers %3.</translation>
        </message>
        <message>
            <source>The server answered HTTP %1 %2.</source>
            <translation>Le serveur a répondu HTTP %1 %2.</translation>
        </message>
        <message>
            <source>Cannot find downloaded file.</source>
            <translation>Le fichier téléchargé est introuvable.</translation>
        </message>
    </context>
    <context>
        <name>morvane::OperationPanel</name>
        <message>
            <source>Op&amp;eration::</source>
            <translation>&amp;Opération ::</translation>
        </message>
        <message>
            <source>Rename in place</source>
            <translation>Renommer sur place</translation>
        </message>
        <message>
            <source>Copy to folder</source>
            <translation>Copier vers le dossier</translation>
        </message>
        <message>
            <source>MOVE to folder</source>
            <translation>DÉPLACER vers le dossier</translation>
        </message>
        <message>
            <source>Destinati&amp;on:</source>
            <translation>D&amp;estination :</translation>
        </message>
        <message>
            <source>...</source>
            <translation>...</translation>
        </message>
        <message>
            <source>Select destination folder</source>
            <translation>Choisir le dossier de destination</translation>
        </message>
    </context>
    <context>
        <name>morvane::RulePanel</name>
        <message>
            <source>&amp;Find in name:</source>
            <translation>&amp;Rechercher dans le nom :</translation>
        </message>
        <message>
            <source>&amp;Replace with:</source>
            <translation>Re&amp;mplacer par :</translation>
        </message>
        <message>
            <source>?</source>
            <translation>?</translation>
        </message>
        <message>
            <source>Keywords of the pattern</source>
            <translation>Mots-clés du modèle</translation>
        </message>
        <message>
            <source>Pattern help</source>
            <translation>Aide sur le modèle</translation>
        </message>
        <message>
            <source>&amp;Pattern:</source>
            <translation>Mo&amp;dèle :</translation>
        </message>
        <message>
            <source>&amp;New extension:</source>
            <translation>Autre e&amp;xtension :</translation>
        </message>
        <message>
            <source>Unchanged</source>
            <translation>Inchangée</translation>
        </message>
        <message>
            <source>lowercase</source>
            <translation>minuscules</translation>
        </message>
        <message>
            <source>UPPERCASE</source>
            <translation>MAJUSCULES</translation>
        </message>
        <message>
            <source>Title Case</source>
            <translation>Mots En Capitale</translation>
        </message>
        <message>
            <source>&amp;Case:</source>
            <translation>&amp;Casse :</translation>
        </message>
        <message>
            <source>&amp;Insert text</source>
            <translation>&amp;Insérer le texte</translation>
        </message>
        <message>
            <source>&amp;at position:</source>
            <translation>à la &amp;position :</translation>
        </message>
        <message>
            <source>Remove fir&amp;st:</source>
            <translation>Retirer au dé&amp;but :</translation>
        </message>
        <message>
            <source>Remove &amp;last:</source>
            <translation>Retirer à la &amp;fin :</translation>
        </message>
        <message>
            <source>Remove fro&amp;m position</source>
            <translation>Retirer de &amp;la position</translation>
        </message>
        <message>
            <source>Remove from</source>
            <translation>Retirer de la</translation>
        </message>
        <message>
            <source>&amp;until position:</source>
            <translation>&amp;jusqu'à la position :</translation>
        </message>
        <message>
            <source>&amp;Trim from text:</source>
            <translation>Dès le &amp;texte :</translation>
        </message>
        <message>
            <source>Trim until te&amp;xt:</source>
            <translation>J&amp;usqu'au texte :</translation>
        </message>
        <message>
            <source>Collapse &amp;double spaces</source>
            <translation>Réduire les doubles e&amp;spaces</translation>
        </message>
        <message>
            <source>Remove c&amp;haracters:</source>
            <translation>Supprimer les c&amp;aractères :</translation>
        </message>
        <message>
            <source>Add leading &amp;zeroes to the numbers. Digits count:</source>
            <translation>Compléter les nombres par des &amp;zéros. Chiffres :</translation>
        </message>
    </context>
    <context>
        <name>morvane::SettingsDialog</name>
        <message>
            <source>Settings</source>
            <translation>Paramètres</translation>
        </message>
        <message>
            <source>Counter</source>
            <translation>Compteur</translation>
        </message>
        <message>
            <source>If {counter} keyword is used in Pattern, then apply the following rules:</source>
            <translation>Si le mot-clé {counter} figure dans le modèle, appliquer les règles suivantes :</translation>
        </message>
        <message>
            <source>Counter &amp;start:</source>
            <translation>&amp;Début du compteur :</translation>
        </message>
        <message>
            <source>&amp;Digits:</source>
            <translation>&amp;Chiffres :</translation>
        </message>
        <message>
            <source>Conflict</source>
            <translation>Conflit</translation>
        </message>
        <message>
            <source>If the file name already exists, then apply the following change:</source>
            <translation>Si le nom de fichier existe déjà, appliquer la modification suivante :</translation>
        </message>
        <message>
            <source>&amp;Change:</source>
            <translation>&amp;Modification :</translation>
        </message>
        <message>
            <source>Renaming</source>
            <translation>Renommage</translation>
        </message>
        <message>
            <source>Use &amp;Regular Expressions</source>
            <translation>Utiliser les expressions &amp;régulières</translation>
        </message>
        <message>
            <source>Timestamp</source>
            <translation>Horodatage</translation>
        </message>
        <message>
            <source>&amp;Update modified date/time</source>
            <translation>Mettre à jo&amp;ur la date/heure de modification</translation>
        </message>
        <message>
            <source>Appearance</source>
            <translation>Apparence</translation>
        </message>
        <message>
            <source>System</source>
            <translation>Système</translation>
        </message>
        <message>
            <source>Light</source>
            <translation>Clair</translation>
        </message>
        <message>
            <source>Dark</source>
            <translation>Sombre</translation>
        </message>
        <message>
            <source>System follows the desktop's light or dark colours</source>
            <translation>Système suit les couleurs claires ou sombres du bureau</translation>
        </message>
        <message>
            <source>&amp;Theme:</source>
            <translation>&amp;Thème :</translation>
        </message>
        <message>
            <source>Close</source>
            <translation>Fermer</translation>
        </message>
        <message>
            <source>Skip</source>
            <translation>Ignorer</translation>
        </message>
        <message>
            <source>Overwrite</source>
            <translation>Écraser</translation>
        </message>
        <message>
            <source>Auto-number</source>
            <translation>Numéroter automatiquement</translation>
        </message>
    </context>
    <context>
        <name>morvane::StatusBar</name>
        <message>
            <source>  Add the files</source>
            <translation>  Ajoutez les fichiers</translation>
        </message>
        <message>
            <source>  Working: %1 of %2</source>
            <translation>  En cours : %1 sur %2</translation>
        </message>
    </context>
    <context>
        <name>morvane::Theme</name>
        <message>
            <source>The visual style "%1" cannot be applied: it is not among the program's resources. The default look is used.</source>
            <translation>Le style visuel « %1 » ne peut pas être appliqué : il ne figure pas parmi les ressources du programme. L'apparence par défaut est utilisée.</translation>
        </message>
    </context>
    <context>
        <name>morvane::UpDownButtons</name>
        <message>
            <source>Increase</source>
            <translation>Augmenter</translation>
        </message>
        <message>
            <source>Decrease</source>
            <translation>Diminuer</translation>
        </message>
    </context>
</TS>
