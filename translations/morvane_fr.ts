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
        <source>Please build preview first (click &quot;Preview Result&quot; button).</source>
        <translation>Veuillez d&apos;abord créer un aperçu (bouton « Aperçu du résultat »).</translation>
    </message>
    <message>
        <source>Batch completed. A CSV log has been saved in AppData.</source>
        <translation>Lot terminé. Un journal CSV a été enregistré dans AppData.</translation>
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
        <translation>Aucun journal d&apos;annulation trouvé dans AppData.</translation>
    </message>
    <message>
        <source>Undo completed for the last rename operation.</source>
        <translation>Le dernier renommage a été annulé.</translation>
    </message>
    <message>
        <source>No mapping for the Unicode character exists in the target multi-byte code page</source>
        <translation>Aucune correspondance n&apos;existe pour le caractère Unicode dans la page de codes multioctet cible</translation>
    </message>
    <message>
        <source>The destination folder &quot;%1&quot; is not a full path. Give it from the root, such as /home/you/Photos, or from your home folder, such as ~/Photos.</source>
        <translation>Le dossier de destination « %1 » n&apos;est pas un chemin complet. Indiquez-le depuis la racine, comme /home/vous/Photos, ou depuis votre dossier personnel, comme ~/Photos.</translation>
    </message>
    <message>
        <source>The destination folder %1 cannot be created: %2</source>
        <translation>Le dossier de destination %1 ne peut pas être créé : %2</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Prêt</translation>
    </message>
    <message>
        <source>Unchanged</source>
        <translation>Inchangé</translation>
    </message>
    <message>
        <source>Same new name as row %1</source>
        <translation>Même nouveau nom que la ligne %1</translation>
    </message>
    <message>
        <source>A file of this name is already there</source>
        <translation>Un fichier de ce nom existe déjà</translation>
    </message>
    <message>
        <source>Name too long for the file system</source>
        <translation>Nom trop long pour le système de fichiers</translation>
    </message>
    <message>
        <source>Empty name</source>
        <translation>Nom vide</translation>
    </message>
    <message>
        <source>No preview yet</source>
        <translation>Pas encore d&apos;aperçu</translation>
    </message>
    <message numerus="yes">
        <source>%n clash(es)</source>
        <translation>
            <numerusform>%n conflit</numerusform>
            <numerusform>%n conflits</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n too long</source>
        <translation>
            <numerusform>%n trop long</numerusform>
            <numerusform>%n trop longs</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n empty</source>
        <translation>
            <numerusform>%n vide</numerusform>
            <numerusform>%n vides</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n not built</source>
        <translation>
            <numerusform>%n non construit</numerusform>
            <numerusform>%n non construits</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n unchanged</source>
        <translation>
            <numerusform>%n inchangé</numerusform>
            <numerusform>%n inchangés</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n ready</source>
        <translation>
            <numerusform>%n prêt</numerusform>
            <numerusform>%n prêts</numerusform>
        </translation>
    </message>
    <message>
        <source>row %1: %2 (%3 bytes)</source>
        <translation>ligne %1 : %2 (%3 octets)</translation>
    </message>
    <message numerus="yes">
        <source>... and %n more</source>
        <translation>
            <numerusform>... et %n autre</numerusform>
            <numerusform>... et %n autres</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n new name(s) are too long for the file system of their folder; nothing was renamed:</source>
        <translation>
            <numerusform>%n nouveau nom est trop long pour le système de fichiers de son dossier ; rien n&apos;a été renommé :</numerusform>
            <numerusform>%n nouveaux noms sont trop longs pour le système de fichiers de leur dossier ; rien n&apos;a été renommé :</numerusform>
        </translation>
    </message>
    <message>
        <source>Proceed to rename files as shown in the preview?</source>
        <translation>Renommer les fichiers comme indiqué dans l&apos;aperçu ?</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) will be renamed.</source>
        <translation>
            <numerusform>%n fichier sera renommé.</numerusform>
            <numerusform>%n fichiers seront renommés.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) will be copied.</source>
        <translation>
            <numerusform>%n fichier sera copié.</numerusform>
            <numerusform>%n fichiers seront copiés.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) will be moved.</source>
        <translation>
            <numerusform>%n fichier sera déplacé.</numerusform>
            <numerusform>%n fichiers seront déplacés.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) keep their name.</source>
        <translation>
            <numerusform>%n fichier garde son nom.</numerusform>
            <numerusform>%n fichiers gardent leur nom.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n clash(es) will be skipped.</source>
        <translation>
            <numerusform>%n conflit sera ignoré.</numerusform>
            <numerusform>%n conflits seront ignorés.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n clash(es) will replace the file there (files of this batch are numbered instead).</source>
        <translation>
            <numerusform>%n conflit remplacera le fichier existant (les fichiers de ce lot sont numérotés à la place).</numerusform>
            <numerusform>%n conflits remplaceront le fichier existant (les fichiers de ce lot sont numérotés à la place).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n clash(es) will get a number.</source>
        <translation>
            <numerusform>%n conflit recevra un numéro.</numerusform>
            <numerusform>%n conflits recevront un numéro.</numerusform>
        </translation>
    </message>
    <message>
        <source>Another batch is running</source>
        <translation>Un autre lot est en cours</translation>
    </message>
    <message>
        <source>Renaming %1 to %2</source>
        <translation>Renommage de %1 en %2</translation>
    </message>
    <message>
        <source>Moving %1 to %2</source>
        <translation>Déplacement de %1 vers %2</translation>
    </message>
    <message>
        <source>Copying %1 to %2</source>
        <translation>Copie de %1 vers %2</translation>
    </message>
    <message>
        <source>Moving %1 back to %2</source>
        <translation>Retour de %1 vers %2</translation>
    </message>
    <message>
        <source>Locking %1</source>
        <translation>Verrouillage de %1</translation>
    </message>
    <message>
        <source>... and %1 more</source>
        <translation>... et %1 de plus</translation>
    </message>
    <message>
        <source>Undo finished, but %1 file(s) stayed at their new names: another file now holds the old name.

%2

The undo log keeps these files. Move the other files out of the way and undo again.</source>
        <translation>Annulation terminée, mais %1 fichier(s) sont restés sous leur nouveau nom : un autre fichier porte maintenant l&apos;ancien nom.

%2

Le journal d&apos;annulation garde ces fichiers. Écartez les autres fichiers et annulez de nouveau.</translation>
    </message>
    <message>
        <source>Batch finished with errors. A CSV log has been saved in AppData.

Renamed: %1
Skipped as clashes: %2
Failed: %3

%4

The full list of failures: %5</source>
        <translation>Lot terminé avec des erreurs. Un journal CSV a été enregistré dans AppData.

Renommés : %1
Ignorés pour conflit : %2
Échecs : %3

%4

La liste complète des échecs : %5</translation>
    </message>
    <message>
        <source>Undo completed for %1 batch(es).</source>
        <translation>Annulation terminée pour %1 lot(s).</translation>
    </message>
    <message>
        <source>%1 file(s)</source>
        <translation>%1 fichier(s)</translation>
    </message>
    <message>
        <source>renamed in place</source>
        <translation>renommés sur place</translation>
    </message>
    <message>
        <source>copied or moved</source>
        <translation>copiés ou déplacés</translation>
    </message>
    <message numerus="yes">
        <source>The list holds %n folder(s). Folders are renamed in place only: choose &quot;Rename in place&quot;, or remove the folders from the list. Nothing was copied or moved.</source>
        <translation>
            <numerusform>La liste contient %n dossier. Les dossiers ne sont renommés que sur place : choisissez « Renommer sur place » ou retirez les dossiers de la liste. Rien n&apos;a été copié ni déplacé.</numerusform>
            <numerusform>La liste contient %n dossiers. Les dossiers ne sont renommés que sur place : choisissez « Renommer sur place » ou retirez les dossiers de la liste. Rien n&apos;a été copié ni déplacé.</numerusform>
        </translation>
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
        <translation>Ces fichiers ont été laissés de côté car leur nom n&apos;est pas un texte UTF-8 valide :
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
        <translation>L&apos;option /%1 demande une valeur : /%1=VALEUR.</translation>
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
        <source>Try &apos;morvane --help&apos; for more information.
</source>
        <translation>Essayez « morvane --help » pour plus d&apos;informations.
</translation>
    </message>
    <message>
        <source>/quiet runs a batch only together with /cli.</source>
        <translation>/quiet n&apos;exécute un lot qu&apos;avec /cli.</translation>
    </message>
    <message>
        <source>Error: cannot write to standard output.
</source>
        <translation>Erreur : impossible d&apos;écrire sur la sortie standard.
</translation>
    </message>
    <message>
        <source>/descending needs /sort=name, date or size.</source>
        <translation>/descending demande /sort=name, date ou size.</translation>
    </message>
    <message>
        <source>--%1 takes a whole number, not &quot;%2&quot;.</source>
        <translation>--%1 attend un nombre entier, pas « %2 ».</translation>
    </message>
    <message>
        <source>--%1 takes true or false, not &quot;%2&quot;.</source>
        <translation>--%1 attend true ou false, pas « %2 ».</translation>
    </message>
    <message>
        <source>--%1 takes %2 (or 0 to %3), not &quot;%4&quot;.</source>
        <translation>--%1 attend %2 (ou 0 à %3), pas « %4 ».</translation>
    </message>
    <message>
        <source>Unknown sort key &quot;%1&quot;: use /sort=name, date, size or none.</source>
        <translation>Clé de tri inconnue « %1 » : utilisez /sort=name, date, size ou none.</translation>
    </message>
    <message>
        <source>The preset keys %1 are the options of the same name above.
</source>
        <translation>Les clés de préréglage %1 sont les options de même nom ci-dessus.
</translation>
    </message>
    <message>
        <source>/undo-history only lists the batches that can be undone: give it nothing else.</source>
        <translation>/undo-history ne fait que lister les lots qui peuvent être annulés : ne lui donnez rien d&apos;autre.</translation>
    </message>
    <message>
        <source>/onError takes stop or skip, not &quot;%1&quot;.</source>
        <translation>/onError attend stop ou skip, pas « %1 ».</translation>
    </message>
    <message>
        <source>These files or folders could not be read, so their files were left out:
%1</source>
        <translation>Ces fichiers ou dossiers ne peuvent pas être lus, leurs fichiers ont été laissés de côté :
%1</translation>
    </message>
    <message>
        <source>Usage: morvane [FILE|FOLDER...]
       morvane /cli [/quiet] [OPTIONS] FILE|FOLDER...
       morvane /cli [/quiet] /undo
       morvane /cli [/quiet] /undo-history

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
  /undo            revert the last batch from its undo log instead; a file
                   now standing at an old name is never replaced: that file
                   stays at its new name and its line stays in the log
  /undo-history    list the batches that can still be undone, newest first
                   (the last 20; older ones are reverted from the window)
  /descending      with /sort: the other way round
  /help, /?        show this text

Options:
  /pattern=TEXT    name pattern, e.g. {counter}_{name} or {taken:yyyymmdd_hhnnss};
                   the keywords are listed in the window&apos;s pattern help (the
                   &quot;?&quot; button beside the pattern)
  /start=N         first counter value
  /digits=N        counter digits (1 to 10)
  /case=lower|upper|title   case of the new names (other: unchanged)
  /find=TEXT       text to find in the new names
  /replace=TEXT    its replacement
  /newext=EXT      new extension (empty: keep the extension)
  /conflict=skip|overwrite|number   when the target exists (default: number)
  /preset=FILE     load a preset first; absent options then keep its values
  /onError=stop|skip   when a file cannot be renamed: stop there (default),
                   or skip it, go on, and list the failures at the end
  /sort=name|date|size|none   order of the files before they are numbered:
                   name as file managers list names (case ignored, numbers
                   by value), date last written, size in bytes; ties by
                   name. none (the default) keeps the order given, each
                   folder&apos;s files in name order
  /mask=PATTERNS   take only the files of folders that fit one of the
                   patterns, e.g. &quot;*.jpg;*.png&quot; (* any text, ? one
                   character, case ignored)

Preset keys, applied after /preset= and before the options above:
</source>
        <translation>Usage : morvane [FICHIER|DOSSIER...]
        morvane /cli [/quiet] [OPTIONS] FICHIER|DOSSIER...
        morvane /cli [/quiet] /undo

Renomme des fichiers par lot. Sans /cli, la fenêtre s&apos;ouvre avec les fichiers
et dossiers indiqués. Avec /cli, un lot s&apos;exécute sans question : les options
sont appliquées, l&apos;aperçu est construit et les nouveaux noms sont appliqués.

Commutateurs :
  /cli             exécuter un lot depuis la ligne de commande
  /quiet           ni fenêtre ni boîte de message ; les messages sont affichés
                   (informations sur stdout, avertissements et erreurs sur stderr)
  /dryrun          construire seulement l&apos;aperçu, sans toucher aucun fichier. Avec
                   /quiet, l&apos;aperçu est affiché : chemin d&apos;origine, TAB, nouveau
                   nom, une ligne par fichier (TAB, CR, LF et \ écrits \t \r \n \\)
  /regex           rechercher et remplacer avec des expressions régulières
  /undo            annuler plutôt le dernier lot grâce à son journal ; un
                   fichier qui occupe maintenant un ancien nom n&apos;est jamais
                   remplacé : le fichier du lot garde son nouveau nom et sa
                   ligne reste dans le journal
  /undo-history    lister les lots qui peuvent encore être annulés, du plus
                   récent au plus ancien (les 20 derniers ; les plus anciens
                   s&apos;annulent depuis la fenêtre)
  /descending      avec /sort : dans l&apos;ordre inverse
  /help, /?        afficher ce texte

Options :
  /pattern=TEXTE   modèle de nom, p. ex. {counter}_{name} ou {taken:yyyymmdd_hhnnss} ;
                   les mots-clés figurent dans l&apos;aide du modèle de la fenêtre
                   (le bouton « ? » à côté du modèle)
  /start=N         première valeur du compteur
  /digits=N        chiffres du compteur (1 à 10)
  /case=lower|upper|title   casse des nouveaux noms (autre : inchangée)
  /find=TEXTE      texte à rechercher dans les nouveaux noms
  /replace=TEXTE   son remplacement
  /newext=EXT      nouvelle extension (vide : garder l&apos;extension)
  /conflict=skip|overwrite|number   si la cible existe (par défaut : number)
  /preset=FICHIER  charger d&apos;abord un préréglage ; les options absentes gardent alors ses valeurs
  /onError=stop|skip   quand un fichier ne peut pas être renommé : s&apos;arrêter là
                   (par défaut), ou l&apos;ignorer, continuer et lister les échecs
                   à la fin
  /sort=name|date|size|none   ordre des fichiers avant leur numérotation :
                   name comme les gestionnaires de fichiers classent les noms
                   (casse ignorée, nombres selon leur valeur), date de dernière
                   écriture, size en octets ; à égalité, par nom. none (par
                   défaut) garde l&apos;ordre donné, les fichiers de chaque dossier
                   par nom
  /mask=MOTIFS     ne prendre que les fichiers des dossiers qui répondent à l&apos;un
                   des motifs, p. ex. &quot;*.jpg;*.png&quot; (* n&apos;importe quel texte,
                   ? un caractère, casse ignorée)

Clés de préréglage, appliquées après /preset= et avant les options ci-dessus :
</translation>
    </message>
    <message>
        <source>
Every switch and option may also be written as --name or --name=value, in
any letter case. Other arguments are files (added) and folders (their files
added; with subfolders when the preset says so). A path whose name looks
like an option, such as /pattern=x, can be written as /./pattern=x, and
every argument after -- is a path. A destination folder is a full path or
starts with ~/ for the home folder.

Symbolic links are renamed and moved as links. Copy to folder copies the
file a link points to, as cp does. One batch or undo runs at a time.

Exit status: 0 done, 1 an error or warning stopped the run, 2 usage fault.
</source>
        <translation>
Chaque commutateur et option peut aussi s&apos;écrire --nom ou --nom=valeur, dans
n&apos;importe quelle casse. Les autres arguments sont des fichiers (ajoutés) et des
dossiers (leurs fichiers ajoutés ; avec les sous-dossiers si le préréglage le
demande). Un chemin dont le nom ressemble à une option, comme /pattern=x, peut
s&apos;écrire /./pattern=x, et tout argument après -- est un chemin. Un dossier de
destination est un chemin complet ou commence par ~/ pour le dossier personnel.

Les liens symboliques sont renommés et déplacés en tant que liens. « Copier
dans le dossier » copie le fichier vers lequel pointe un lien, comme cp. Un
seul lot ou une seule annulation s&apos;exécute à la fois.

Code de sortie : 0 terminé, 1 une erreur ou un avertissement a arrêté l&apos;exécution,
2 erreur d&apos;utilisation.
</translation>
    </message>
    <message>
        <source>
Folders as items:
  /folders         rename the folders given themselves, not their files
                   (with --includeSubfolders=true every folder below them
                   too; the deepest are renamed first). Folders are renamed
                   in place only: copy and move refuse them.
</source>
        <translation>
Dossiers comme éléments :
  /folders         renommer les dossiers donnés eux-mêmes, pas leurs fichiers
                   (avec --includeSubfolders=true aussi chaque dossier en
                   dessous ; les plus profonds d&apos;abord). Les dossiers ne sont
                   renommés que sur place : copie et déplacement les refusent.
</translation>
    </message>
</context>
<context>
    <name>Engine</name>
    <message>
        <source>Photo metadata, audio tags and picture sizes cannot be read: the module morvane-metadata.so could not be loaded (%1)</source>
        <translation>Les métadonnées des photos, les étiquettes audio et les tailles d&apos;image ne peuvent pas être lues : le module morvane-metadata.so n&apos;a pas pu être chargé (%1)</translation>
    </message>
    <message>
        <source>Error in regular expression at offset %1: %2</source>
        <translation>Erreur dans l&apos;expression régulière à la position %1 : %2</translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <translation>Impossible d&apos;ouvrir le fichier « %1 ». %2</translation>
    </message>
    <message>
        <source>Cannot read file &quot;%1&quot;. %2</source>
        <translation>Impossible de lire le fichier « %1 ». %2</translation>
    </message>
    <message>
        <source>No mapping for the Unicode character exists in the target multi-byte code page</source>
        <translation>Aucune correspondance n&apos;existe pour le caractère Unicode dans la page de codes multioctet cible</translation>
    </message>
    <message>
        <source>Invalid characters in path</source>
        <translation>Caractères non valides dans le chemin</translation>
    </message>
    <message>
        <source>No files loaded. Add files first.</source>
        <translation>Aucun fichier chargé. Ajoutez d&apos;abord des fichiers.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be named exactly: its name is not valid UTF-8 text</source>
        <translation>« %1 » ne peut pas être désigné exactement : son nom n&apos;est pas un texte UTF-8 valide</translation>
    </message>
</context>
<context>
    <name>Presets</name>
    <message>
        <source>The file &quot;%1&quot; is not UTF-8 text</source>
        <translation>Le fichier « %1 » n&apos;est pas un texte UTF-8</translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <translation>Impossible d&apos;ouvrir le fichier « %1 ». %2</translation>
    </message>
    <message>
        <source>Cannot read file &quot;%1&quot;. %2</source>
        <translation>Impossible de lire le fichier « %1 ». %2</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; is too large for a preset</source>
        <translation>Le fichier « %1 » est trop volumineux pour un préréglage</translation>
    </message>
    <message>
        <source>Cannot create file &quot;%1&quot;. %2</source>
        <translation>Impossible de créer le fichier « %1 ». %2</translation>
    </message>
    <message>
        <source>Cannot write file &quot;%1&quot;. %2</source>
        <translation>Impossible d&apos;écrire le fichier « %1 ». %2</translation>
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
        <source>What&apos;s new:</source>
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
        <translation>Ce logiciel est protégé par le droit d&apos;auteur et les traités internationaux. </translation>
    </message>
    <message>
        <source>Unauthorised reproduction or distribution of this program, or any portion of it, </source>
        <translation>Toute reproduction ou distribution non autorisée de ce programme, ou d&apos;une partie de celui-ci, </translation>
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
        <translation>{ext} - extension d&apos;origine du fichier, sans le point</translation>
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
        <translation>{imgw}/{imgh} - largeur/hauteur de l&apos;image si disponible</translation>
    </message>
    <message>
        <source>Formatting examples:</source>
        <translation>Exemples de format :</translation>
    </message>
    <message>
        <source>{name:1:8} - substring of the original name</source>
        <translation>{name:1:8} - partie du nom d&apos;origine</translation>
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
    <message>
        <source>Live preview</source>
        <translation>Aperçu en direct</translation>
    </message>
    <message>
        <source>Live preview: rebuild the preview as rules, files or their order change</source>
        <translation>Aperçu en direct : reconstruire l&apos;aperçu dès que les règles, les fichiers ou leur ordre changent</translation>
    </message>
    <message>
        <source>Show only problems</source>
        <translation>Problèmes seuls</translation>
    </message>
    <message>
        <source>Show only rows that would not land as previewed</source>
        <translation>N&apos;afficher que les lignes qui n&apos;aboutiraient pas comme dans l&apos;aperçu</translation>
    </message>
    <message>
        <source>Folder mask: *.jpg;*.png</source>
        <translation>Masque de dossier : *.jpg;*.png</translation>
    </message>
    <message>
        <source>Only files of added or dropped folders that fit one of these patterns (separated by &quot;;&quot;, * any text, ? one character, letter case ignored); empty takes every file</source>
        <translation>Seulement les fichiers des dossiers ajoutés ou déposés qui répondent à l&apos;un de ces motifs (séparés par « ; », * n&apos;importe quel texte, ? un caractère, casse ignorée) ; vide prend tous les fichiers</translation>
    </message>
    <message>
        <source>Folder mask</source>
        <translation>Masque de dossier</translation>
    </message>
    <message>
        <source>Undo history...</source>
        <translation>Historique des annulations...</translation>
    </message>
    <message>
        <source>Rename folders</source>
        <translation>Renommer les dossiers</translation>
    </message>
    <message>
        <source>Rename folders: added and dropped folders are renamed themselves, not their files (with Include subfolders, every folder below them too)</source>
        <translation>Renommer les dossiers : les dossiers ajoutés ou déposés sont renommés eux-mêmes, pas leurs fichiers (avec « Inclure les sous-dossiers », aussi chaque dossier en dessous)</translation>
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
    <name>morvane::FileAdder</name>
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
    <message>
        <source>... and %1 more</source>
        <translation>... et %1 de plus</translation>
    </message>
    <message>
        <source>These folders could not be read, so their files were not added:

%1</source>
        <translation>Ces dossiers ne peuvent pas être lus, leurs fichiers n&apos;ont pas été ajoutés :

%1</translation>
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
            <numerusform>%n nom de fichier n&apos;est pas en UTF-8 valide et ne peut pas être renommé sans risque ; il a été ignoré :

%1</numerusform>
            <numerusform>%n noms de fichiers ne sont pas en UTF-8 valide et ne peuvent pas être renommés sans risque ; ils ont été ignorés :

%1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>morvane::FileListModel</name>
    <message>
        <source>Original Name</source>
        <translation>Nom d&apos;origine</translation>
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
    <message>
        <source>Old: %1
New: %2</source>
        <translation>Ancien : %1
Nouveau : %2</translation>
    </message>
    <message>
        <source>Modified</source>
        <translation>Modifié</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>État</translation>
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
    <message>
        <source>Move up</source>
        <translation>Monter</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>Descendre</translation>
    </message>
</context>
<context>
    <name>morvane::HomePageLink</name>
    <message>
        <source>Opens the program&apos;s home page in the web browser</source>
        <translation>Ouvre la page d&apos;accueil du programme dans le navigateur web</translation>
    </message>
</context>
<context>
    <name>morvane::InstallerDownload</name>
    <message>
        <source>Cannot create file &quot;%1&quot;. %2</source>
        <translation>Impossible de créer le fichier « %1 ». %2</translation>
    </message>
    <message>
        <source>Cannot write file &quot;%1&quot;. %2</source>
        <translation>Impossible d&apos;écrire le fichier « %1 ». %2</translation>
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
    <name>morvane::MainWindow</name>
    <message>
        <source>An unexpected error stopped the operation</source>
        <translation>Une erreur inattendue a interrompu l&apos;opération</translation>
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
        <source>Files: %1</source>
        <translation>Fichiers : %1</translation>
    </message>
    <message>
        <source>Nothing to rename. Add files and build a preview first.</source>
        <translation>Rien à renommer. Ajoutez d&apos;abord des fichiers et créez un aperçu.</translation>
    </message>
    <message>
        <source>Select destination folder</source>
        <translation>Choisir le dossier de destination</translation>
    </message>
    <message>
        <source>No undo log found in AppData.</source>
        <translation>Aucun journal d&apos;annulation trouvé dans AppData.</translation>
    </message>
    <message>
        <source>Undo the %1 newest batch(es), newest first?</source>
        <translation>Annuler les %1 lots les plus récents, du plus récent au plus ancien ?</translation>
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
    <name>morvane::RuleFiles</name>
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
        <translation>&amp;jusqu&apos;à la position :</translation>
    </message>
    <message>
        <source>&amp;Trim from text:</source>
        <translation>Dès le &amp;texte :</translation>
    </message>
    <message>
        <source>Trim until te&amp;xt:</source>
        <translation>J&amp;usqu&apos;au texte :</translation>
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
        <source>System follows the desktop&apos;s light or dark colours</source>
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
    <message>
        <source>Failures</source>
        <translation>Échecs</translation>
    </message>
    <message>
        <source>When a file cannot be renamed:</source>
        <translation>Quand un fichier ne peut pas être renommé :</translation>
    </message>
    <message>
        <source>Stop (default)</source>
        <translation>Arrêter (par défaut)</translation>
    </message>
    <message>
        <source>Skip it and go on</source>
        <translation>L&apos;ignorer et continuer</translation>
    </message>
    <message>
        <source>Rename &amp;folders</source>
        <translation>Renommer les &amp;dossiers</translation>
    </message>
    <message>
        <source>Added and dropped folders are renamed themselves, not their files</source>
        <translation>Les dossiers ajoutés ou déposés sont renommés eux-mêmes, pas leurs fichiers</translation>
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
        <source>The visual style &quot;%1&quot; cannot be applied: it is not among the program&apos;s resources. The default look is used.</source>
        <translation>Le style visuel « %1 » ne peut pas être appliqué : il ne figure pas parmi les ressources du programme. L&apos;apparence par défaut est utilisée.</translation>
    </message>
</context>
<context>
    <name>morvane::UndoHistoryDialog</name>
    <message>
        <source>Undo history</source>
        <translation>Historique des annulations</translation>
    </message>
    <message>
        <source>Newest first. Undoing a batch undoes every newer batch first, one after another.</source>
        <translation>Du plus récent au plus ancien. Annuler un lot annule d&apos;abord chaque lot plus récent, l&apos;un après l&apos;autre.</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Heure</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Fichiers</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Mode</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>Dossiers</translation>
    </message>
    <message>
        <source>Rename in place</source>
        <translation>Renommer sur place</translation>
    </message>
    <message>
        <source>Copy or move to folder</source>
        <translation>Copier ou déplacer vers un dossier</translation>
    </message>
    <message>
        <source>Undo through selected</source>
        <translation>Annuler jusqu&apos;à la sélection</translation>
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
