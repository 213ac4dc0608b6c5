<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>AboutModule</name>
    <message>
        <source>AppDescription</source>
        <translation>Quillon Pro détecte les pilotes obsolètes de votre ordinateur, télécharge leurs dernières versions et les installe en toute sécurité, en conservant une copie de chaque pilote remplacé.</translation>
    </message>
    <message>
        <source>ContactLink</source>
        <translation>Nous contacter</translation>
    </message>
    <message>
        <source>HowDeleteLink</source>
        <translation>Comment désinstaller</translation>
    </message>
    <message>
        <source>PolicyLink</source>
        <translation>Politique de confidentialité</translation>
    </message>
    <message>
        <source>RefundPolicyLink</source>
        <translation>Politique de remboursement</translation>
    </message>
    <message>
        <source>RiskLink</source>
        <translation>Risques</translation>
    </message>
    <message>
        <source>UserAgreementLink</source>
        <translation>Contrat de licence</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
</context>
<context>
    <name>AppUpdateView</name>
    <message>
        <source>AppUpdateDescription</source>
        <translation>Une nouvelle version de Quillon Pro est disponible.</translation>
    </message>
    <message>
        <source>AppUpdateError</source>
        <translation>La mise à jour n’a pas pu être téléchargée ou vérifiée. Vous pouvez réessayer ou continuer avec cette version.</translation>
    </message>
    <message>
        <source>AppUpdateHeader</source>
        <translation>Mise à jour disponible</translation>
    </message>
    <message>
        <source>AppUpdateProcess</source>
        <translation>Téléchargement de la mise à jour…</translation>
    </message>
    <message>
        <source>AppUpdateQuestion</source>
        <translation>La télécharger et l’installer maintenant ?</translation>
    </message>
    <message>
        <source>NoButton</source>
        <translation>Pas maintenant</translation>
    </message>
    <message>
        <source>YesButton</source>
        <translation>Oui, mettre à jour</translation>
    </message>
</context>
<context>
    <name>AutorunModule</name>
    <message>
        <source>AutorunEnableCheckBox</source>
        <translation>Me rappeler de vérifier les pilotes</translation>
    </message>
    <message>
        <source>AutosaveStartDesc</source>
        <translation>Prochaine vérification : le %1 à %2</translation>
    </message>
    <message>
        <source>MonthlySelect</source>
        <translation>Chaque mois</translation>
    </message>
    <message>
        <source>SaveButton</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>WeeklySelect</source>
        <translation>Chaque semaine</translation>
    </message>
</context>
<context>
    <name>BackupModule</name>
    <message>
        <source>BackButton</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>BackupCreateTitle</source>
        <translation>Sauvegarde créée</translation>
    </message>
    <message>
        <source>BackupFromFileText</source>
        <translation>Fichier de sauvegarde :</translation>
    </message>
    <message>
        <source>BackupInstallTitle</source>
        <translation>Restauration des pilotes</translation>
    </message>
    <message>
        <source>BackupInstalledTitle</source>
        <translation>Pilotes restaurés</translation>
    </message>
    <message>
        <source>BackupListTitle</source>
        <translation>Sauvegarde des pilotes :</translation>
    </message>
    <message>
        <source>BrowseButton</source>
        <translation>Parcourir…</translation>
    </message>
    <message>
        <source>CreateBackupButton</source>
        <translation>Créer une sauvegarde</translation>
    </message>
    <message>
        <source>DetailButton</source>
        <translation>En savoir plus</translation>
    </message>
    <message>
        <source>Developer</source>
        <translation>Fournisseur</translation>
    </message>
    <message>
        <source>HowCreateBackupLink</source>
        <translation>Comment créer une sauvegarde</translation>
    </message>
    <message>
        <source>HowUseBackupLink</source>
        <translation>Comment restaurer une sauvegarde</translation>
    </message>
    <message>
        <source>InstallBackupButton</source>
        <translation>Restaurer une sauvegarde</translation>
    </message>
    <message>
        <source>InstallDriversButton</source>
        <translation>Installer</translation>
    </message>
    <message>
        <source>InstalledBackupListTitle</source>
        <translation>Pilotes restaurés :</translation>
    </message>
    <message>
        <source>NoBackupDevices</source>
        <translation>Vos pilotes correspondent à la sauvegarde. Il n’y a rien à restaurer.</translation>
    </message>
    <message>
        <source>OldDriverList</source>
        <translation>Pilotes à restaurer :</translation>
    </message>
    <message>
        <source>SelectAllCheckbox</source>
        <translation>Tout sélectionner</translation>
    </message>
    <message>
        <source>ValidDriverList</source>
        <translation>Autres pilotes de la sauvegarde :</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>VersionDate</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>WhatIsBackupLink</source>
        <translation>Qu’est-ce qu’une sauvegarde ?</translation>
    </message>
</context>
<context>
    <name>CancelButton</name>
    <message>
        <source>CancelButton</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>ChangeRow</name>
    <message>
        <source>Developer</source>
        <translation>Fournisseur</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>VersionDate</source>
        <translation>Date</translation>
    </message>
</context>
<context>
    <name>CompletionFooter</name>
    <message>
        <source>BackupCompleteButton</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>BackupCompleteText</source>
        <translation>Recherchez maintenant des pilotes plus récents pour votre ordinateur.</translation>
    </message>
    <message>
        <source>ScanNowButton</source>
        <translation>Analyser</translation>
    </message>
</context>
<context>
    <name>ConnectErrorView</name>
    <message>
        <source>ConnectErrorHeader</source>
        <translation>Pas de connexion au service de pilotes</translation>
    </message>
    <message>
        <source>InternetConnectErrorMessage</source>
        <translation>Le programme n’a pas pu joindre le service de pilotes. Vérifiez votre connexion Internet et réessayez.</translation>
    </message>
    <message>
        <source>RetryButton</source>
        <translation>Réessayer</translation>
    </message>
    <message>
        <source>ServerConnectErrorMessage</source>
        <translation>Le service de pilotes est indisponible pour le moment. Veuillez réessayer dans quelques minutes.</translation>
    </message>
</context>
<context>
    <name>DeviceRow</name>
    <message>
        <source>Alternative</source>
        <translation>Alternative</translation>
    </message>
    <message>
        <source>CandidateCount</source>
        <translation>Pilotes trouvés : %1</translation>
    </message>
    <message>
        <source>CurrentDriver</source>
        <translation>Pilote actuel</translation>
    </message>
    <message>
        <source>NewVersion</source>
        <translation>Nouvelle version</translation>
    </message>
    <message>
        <source>Recomended</source>
        <translation>Recommandé</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Taille</translation>
    </message>
</context>
<context>
    <name>DriverFacts</name>
    <message>
        <source>Developer</source>
        <translation>Fournisseur</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>VersionDate</source>
        <translation>Date</translation>
    </message>
</context>
<context>
    <name>DriverList</name>
    <message>
        <source>DriverDownloadStatus</source>
        <translation>Téléchargement</translation>
    </message>
    <message>
        <source>DriverInstallCompleteStatus</source>
        <translation>Installé</translation>
    </message>
    <message>
        <source>DriverInstallErrorStatus</source>
        <translation>Échec</translation>
    </message>
    <message>
        <source>DriverInstallStatus</source>
        <translation>Installation</translation>
    </message>
    <message>
        <source>DriverWaitInLineStatus</source>
        <translation>En attente</translation>
    </message>
    <message>
        <source>DriverWaitInstallStatus</source>
        <translation>Prêt à installer</translation>
    </message>
    <message>
        <source>Unpacking</source>
        <translation>Décompression</translation>
    </message>
</context>
<context>
    <name>HistoryModule</name>
    <message>
        <source>EmptyHistoryMessage</source>
        <translation>Aucun pilote n’a encore été mis à jour.</translation>
    </message>
    <message>
        <source>HistoryHeader</source>
        <translation>Mises à jour de pilotes installées</translation>
    </message>
</context>
<context>
    <name>InitView</name>
    <message>
        <source>AppInitializationText</source>
        <translation>Préparation : vérification du système et connexion au service de pilotes…</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
</context>
<context>
    <name>InstallPage</name>
    <message>
        <source>CompleteButton</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>InstallCompleteHeader</source>
        <translation>Installation terminée</translation>
    </message>
    <message>
        <source>InstallDriversHeader</source>
        <translation>Installation des pilotes :</translation>
    </message>
</context>
<context>
    <name>InstallRow</name>
    <message>
        <source>DriverDownloadStatus</source>
        <translation>Téléchargement</translation>
    </message>
    <message>
        <source>DriverInstallCompleteStatus</source>
        <translation>Installé</translation>
    </message>
    <message>
        <source>DriverInstallErrorStatus</source>
        <translation>Échec</translation>
    </message>
    <message>
        <source>DriverInstallStatus</source>
        <translation>Installation</translation>
    </message>
    <message>
        <source>DriverWaitInLineStatus</source>
        <translation>En attente</translation>
    </message>
    <message>
        <source>DriverWaitInstallStatus</source>
        <translation>Prêt à installer</translation>
    </message>
    <message>
        <source>Unpacking</source>
        <translation>Décompression</translation>
    </message>
</context>
<context>
    <name>ModulesList</name>
    <message>
        <source>DBUpdatedAtText</source>
        <translation>Base de pilotes mise à jour :</translation>
    </message>
</context>
<context>
    <name>NoConnectPanel</name>
    <message>
        <source>NoConnectDesc</source>
        <translation>Cette page a besoin du service de pilotes, qui n’a pas répondu au démarrage du programme. Redémarrez le programme pour réessayer.</translation>
    </message>
    <message>
        <source>NoConnectTitle</source>
        <translation>Pas de connexion</translation>
    </message>
</context>
<context>
    <name>NoSignDriversLayout</name>
    <message>
        <source>DetailButton</source>
        <translation>En savoir plus</translation>
    </message>
    <message>
        <source>NoSignContinueButton</source>
        <translation>Continuer</translation>
    </message>
    <message>
        <source>NoSignEpilog</source>
        <translation>Une copie de chaque pilote remplacé est conservée : vous pouvez annuler toute mise à jour depuis la page Restauration.</translation>
    </message>
    <message>
        <source>NoSignInfo</source>
        <translation>Certains des pilotes sélectionnés ne sont pas certifiés par Microsoft (WHQL). Ils proviennent des fabricants des périphériques, mais peuvent ne pas fonctionner sur tous les ordinateurs.</translation>
    </message>
    <message>
        <source>NoSignTitle</source>
        <translation>Avant l’installation</translation>
    </message>
</context>
<context>
    <name>PipelineStrip</name>
    <message>
        <source>CompleteStep</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>DownloadInstallStep</source>
        <translation>Téléchargement et installation</translation>
    </message>
    <message>
        <source>ScanningStep</source>
        <translation>Analyse</translation>
    </message>
    <message>
        <source>SelectStep</source>
        <translation>Sélection</translation>
    </message>
</context>
<context>
    <name>ProgramsModule</name>
    <message>
        <source>CommandLineProgram</source>
        <translation>Invite de commandes</translation>
    </message>
    <message>
        <source>ComputerManagementProgram</source>
        <translation>Gestion de l’ordinateur</translation>
    </message>
    <message>
        <source>ControlPanelProgram</source>
        <translation>Panneau de configuration</translation>
    </message>
    <message>
        <source>DiskManagementProgram</source>
        <translation>Gestion des disques</translation>
    </message>
    <message>
        <source>DisplaySettingsProgram</source>
        <translation>Paramètres d’affichage</translation>
    </message>
    <message>
        <source>NetworkProgram</source>
        <translation>Connexions réseau</translation>
    </message>
    <message>
        <source>PowerSupplyProgram</source>
        <translation>Options d’alimentation</translation>
    </message>
    <message>
        <source>ProgramsDescription</source>
        <translation>Ouvrez les outils Windows dont vous avez le plus besoin pour entretenir votre PC.</translation>
    </message>
    <message>
        <source>ProgramsFeaturesProgram</source>
        <translation>Programmes et fonctionnalités</translation>
    </message>
    <message>
        <source>RecoveryProgram</source>
        <translation>Récupération</translation>
    </message>
    <message>
        <source>SystemProgram</source>
        <translation>Système</translation>
    </message>
    <message>
        <source>TaskManagerProgram</source>
        <translation>Gestionnaire des tâches</translation>
    </message>
</context>
<context>
    <name>Qln::AboutModule</name>
    <message>
        <source>AboutTitle</source>
        <translation>À propos</translation>
    </message>
</context>
<context>
    <name>Qln::AutorunModule</name>
    <message>
        <source>AutorunTitle</source>
        <translation>Planification</translation>
    </message>
</context>
<context>
    <name>Qln::BackupModule</name>
    <message>
        <source>CloudBackupTitle</source>
        <translation>Sauvegarde</translation>
    </message>
</context>
<context>
    <name>Qln::BackupViewModel</name>
    <message>
        <source>DevMissing</source>
        <translation>Périphérique introuvable</translation>
    </message>
    <message>
        <source>DevNewHardware</source>
        <translation>Nouveau périphérique</translation>
    </message>
    <message>
        <source>DevNoChange</source>
        <translation>Inchangé</translation>
    </message>
</context>
<context>
    <name>Qln::Cli::Program</name>
    <message>
        <source>BackupCreateTitle</source>
        <translation>Sauvegarde créée</translation>
    </message>
    <message>
        <source>BackupFromFileText</source>
        <translation>Fichier de sauvegarde :</translation>
    </message>
    <message>
        <source>BackupInstallTitle</source>
        <translation>Restauration des pilotes</translation>
    </message>
    <message>
        <source>BackupInstalledTitle</source>
        <translation>Pilotes restaurés</translation>
    </message>
    <message>
        <source>BackupListTitle</source>
        <translation>Sauvegarde des pilotes :</translation>
    </message>
    <message>
        <source>ConnectErrorHeader</source>
        <translation>Pas de connexion au service de pilotes</translation>
    </message>
    <message>
        <source>CurrentDriver</source>
        <translation>Pilote actuel</translation>
    </message>
    <message>
        <source>DevMissing</source>
        <translation>Périphérique introuvable</translation>
    </message>
    <message>
        <source>DevNewHardware</source>
        <translation>Nouveau périphérique</translation>
    </message>
    <message>
        <source>DevNoChange</source>
        <translation>Inchangé</translation>
    </message>
    <message>
        <source>DriverDownloadStatus</source>
        <translation>Téléchargement</translation>
    </message>
    <message>
        <source>DriverInstallCompleteStatus</source>
        <translation>Installé</translation>
    </message>
    <message>
        <source>DriverInstallErrorStatus</source>
        <translation>Échec</translation>
    </message>
    <message>
        <source>DriverInstallStatus</source>
        <translation>Installation</translation>
    </message>
    <message>
        <source>DriverWaitInstallStatus</source>
        <translation>Prêt à installer</translation>
    </message>
    <message>
        <source>EmptyHistoryMessage</source>
        <translation>Aucun pilote n’a encore été mis à jour.</translation>
    </message>
    <message>
        <source>FindUpdatesHeader</source>
        <translation>Recherche de mises à jour</translation>
    </message>
    <message>
        <source>HistoryHeader</source>
        <translation>Mises à jour de pilotes installées</translation>
    </message>
    <message>
        <source>InstallBackup</source>
        <translation>Restauration</translation>
    </message>
    <message>
        <source>InstallBackupError</source>
        <translation>Échec de la restauration</translation>
    </message>
    <message>
        <source>InstallBackupSuccess</source>
        <translation>Restauré</translation>
    </message>
    <message>
        <source>InstallCompleteHeader</source>
        <translation>Installation terminée</translation>
    </message>
    <message>
        <source>InstallDriversHeader</source>
        <translation>Installation des pilotes :</translation>
    </message>
    <message>
        <source>InternetConnectErrorMessage</source>
        <translation>Le programme n’a pas pu joindre le service de pilotes. Vérifiez votre connexion Internet et réessayez.</translation>
    </message>
    <message>
        <source>NeedRebootSystemMessage</source>
        <translation>Redémarrez l’ordinateur pour terminer l’installation des pilotes.</translation>
    </message>
    <message>
        <source>NeedRebootSystemTitle</source>
        <translation>Redémarrage nécessaire</translation>
    </message>
    <message>
        <source>NewVersion</source>
        <translation>Nouvelle version</translation>
    </message>
    <message>
        <source>NoBackupDevices</source>
        <translation>Vos pilotes correspondent à la sauvegarde. Il n’y a rien à restaurer.</translation>
    </message>
    <message>
        <source>NoSignContinueButton</source>
        <translation>Continuer</translation>
    </message>
    <message>
        <source>NoSignEpilog</source>
        <translation>Une copie de chaque pilote remplacé est conservée : vous pouvez annuler toute mise à jour depuis la page Restauration.</translation>
    </message>
    <message>
        <source>NoSignInfo</source>
        <translation>Certains des pilotes sélectionnés ne sont pas certifiés par Microsoft (WHQL). Ils proviennent des fabricants des périphériques, mais peuvent ne pas fonctionner sur tous les ordinateurs.</translation>
    </message>
    <message>
        <source>NoSignTitle</source>
        <translation>Avant l’installation</translation>
    </message>
    <message>
        <source>OldDriverList</source>
        <translation>Pilotes à restaurer :</translation>
    </message>
    <message>
        <source>Recomended</source>
        <translation>Recommandé</translation>
    </message>
    <message>
        <source>RecoveryEmptyMessage</source>
        <translation>Aucun pilote mis à jour à restaurer pour l’instant.</translation>
    </message>
    <message>
        <source>RecoveryHeader</source>
        <translation>Pilotes mis à jour que vous pouvez restaurer</translation>
    </message>
    <message>
        <source>SearchCompleteTitle</source>
        <translation>Vos pilotes sont à jour</translation>
    </message>
    <message>
        <source>ServerConnectErrorMessage</source>
        <translation>Le service de pilotes est indisponible pour le moment. Veuillez réessayer dans quelques minutes.</translation>
    </message>
    <message>
        <source>Unpacking</source>
        <translation>Décompression</translation>
    </message>
    <message>
        <source>UpdatesFoundHeader</source>
        <translation>Périphériques à mettre à jour :</translation>
    </message>
    <message>
        <source>WaitInstallBackup</source>
        <translation>En attente</translation>
    </message>
</context>
<context>
    <name>Qln::DeviceScanner</name>
    <message>
        <source>ScanTitle</source>
        <translation>Analyse des périphériques</translation>
    </message>
</context>
<context>
    <name>Qln::DriverDescription</name>
    <message>
        <source>KB</source>
        <translation>Ko</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>Mo</translation>
    </message>
</context>
<context>
    <name>Qln::FindUpdates</name>
    <message>
        <source>FindUpdatesHeader</source>
        <translation>Recherche de mises à jour</translation>
    </message>
</context>
<context>
    <name>Qln::HistoryModule</name>
    <message>
        <source>DownloadHistoryTitle</source>
        <translation>Historique</translation>
    </message>
</context>
<context>
    <name>Qln::InstallDriversModule</name>
    <message>
        <source>InstallDriversTitle</source>
        <translation>Mise à jour des pilotes</translation>
    </message>
</context>
<context>
    <name>Qln::ProgramsModule</name>
    <message>
        <source>ProgramsTitle</source>
        <translation>Outils utiles</translation>
    </message>
</context>
<context>
    <name>Qln::RecoveryModule</name>
    <message>
        <source>RecoveryTitle</source>
        <translation>Restauration</translation>
    </message>
</context>
<context>
    <name>Qln::SettingsModule</name>
    <message>
        <source>SettingsTitle</source>
        <translation>Paramètres</translation>
    </message>
</context>
<context>
    <name>RecoveryModule</name>
    <message>
        <source>InstallBackup</source>
        <translation>Restauration</translation>
    </message>
    <message>
        <source>InstallBackupError</source>
        <translation>Échec de la restauration</translation>
    </message>
    <message>
        <source>InstallBackupSuccess</source>
        <translation>Restauré</translation>
    </message>
    <message>
        <source>RecoveryEmptyMessage</source>
        <translation>Aucun pilote mis à jour à restaurer pour l’instant.</translation>
    </message>
    <message>
        <source>RecoveryHeader</source>
        <translation>Pilotes mis à jour que vous pouvez restaurer</translation>
    </message>
    <message>
        <source>RestoreButton</source>
        <translation>Restaurer</translation>
    </message>
    <message>
        <source>Unpacking</source>
        <translation>Décompression</translation>
    </message>
    <message>
        <source>WaitInstallBackup</source>
        <translation>En attente</translation>
    </message>
</context>
<context>
    <name>ScanPage</name>
    <message>
        <source>BIOS</source>
        <translation>BIOS</translation>
    </message>
    <message>
        <source>GB</source>
        <translation>Go</translation>
    </message>
    <message>
        <source>Memory</source>
        <translation>Mémoire</translation>
    </message>
    <message>
        <source>Motherboard</source>
        <translation>Carte mère</translation>
    </message>
    <message>
        <source>OS</source>
        <translation>Système d’exploitation</translation>
    </message>
    <message>
        <source>Processor</source>
        <translation>Processeur</translation>
    </message>
    <message>
        <source>SystemInfoTitle</source>
        <translation>Informations système</translation>
    </message>
</context>
<context>
    <name>SearchComplete</name>
    <message>
        <source>SearchCompleteDesc</source>
        <translation>Aucun pilote plus récent n’a été trouvé pour vos périphériques. Planifiez une vérification régulière pour ne manquer aucune nouveauté.</translation>
    </message>
    <message>
        <source>SearchCompleteTitle</source>
        <translation>Vos pilotes sont à jour</translation>
    </message>
    <message>
        <source>ToAutorunButton</source>
        <translation>Planifier</translation>
    </message>
    <message>
        <source>UpdateFinishButton</source>
        <translation>Terminer</translation>
    </message>
</context>
<context>
    <name>SearchFailed</name>
    <message>
        <source>BackButton</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>ConnectErrorHeader</source>
        <translation>Pas de connexion au service de pilotes</translation>
    </message>
    <message>
        <source>RetryButton</source>
        <translation>Réessayer</translation>
    </message>
    <message>
        <source>ServerConnectErrorMessage</source>
        <translation>Le service de pilotes est indisponible pour le moment. Veuillez réessayer dans quelques minutes.</translation>
    </message>
</context>
<context>
    <name>SelectPage</name>
    <message>
        <source>BackButton</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>InstallDriversButton</source>
        <translation>Installer</translation>
    </message>
    <message>
        <source>RiskLink</source>
        <translation>Risques</translation>
    </message>
    <message>
        <source>ScanDifferFooter</source>
        <translation>Les résultats dépendent de la base de pilotes et peuvent évoluer. La mise à jour des pilotes comporte certains risques.</translation>
    </message>
    <message>
        <source>SelectAllCheckbox</source>
        <translation>Tout sélectionner</translation>
    </message>
    <message>
        <source>UpdatesFoundHeader</source>
        <translation>Périphériques à mettre à jour :</translation>
    </message>
</context>
<context>
    <name>SettingsModule</name>
    <message>
        <source>BrowseButton</source>
        <translation>Parcourir…</translation>
    </message>
    <message>
        <source>ChooseDirDesc</source>
        <translation>Choisissez un dossier pour les pilotes téléchargés</translation>
    </message>
    <message>
        <source>DefaultSettingsButton</source>
        <translation>Par défaut</translation>
    </message>
    <message>
        <source>InvalidDirText</source>
        <translation>Ce dossier n’existe pas. Choisissez un dossier existant ; d’ici là, le précédent est conservé.</translation>
    </message>
    <message>
        <source>SaveSettingsButton</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>SettingsDownloadDirHeader</source>
        <translation>Dossier de téléchargement</translation>
    </message>
    <message>
        <source>SettingsLanguageHeader</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>SettingsOptionsHeader</source>
        <translation>Vérifications</translation>
    </message>
    <message>
        <source>SystemDriverCheck</source>
        <translation>Inclure les périphériques système dans l’analyse</translation>
    </message>
    <message>
        <source>UpdatesCheck</source>
        <translation>Rechercher les mises à jour du programme au démarrage</translation>
    </message>
</context>
<context>
    <name>SettingsRestartLayout</name>
    <message>
        <source>NeedRestartSettingsMessage</source>
        <translation>Les nouveaux paramètres prendront effet au redémarrage du programme.</translation>
    </message>
    <message>
        <source>NeedRestartSettingsTitle</source>
        <translation>Paramètres enregistrés</translation>
    </message>
    <message>
        <source>RestartLaterButton</source>
        <translation>Plus tard</translation>
    </message>
    <message>
        <source>RestartNowButton</source>
        <translation>Redémarrer</translation>
    </message>
</context>
<context>
    <name>StartPage</name>
    <message>
        <source>AutoInstallDesc</source>
        <translation>Les télécharge et les installe automatiquement</translation>
    </message>
    <message>
        <source>BackupDetailLink</source>
        <translation>Qu’est-ce qu’une sauvegarde ?</translation>
    </message>
    <message>
        <source>CreateBackupCheckBox</source>
        <translation>Sauvegarder tous les pilotes avant l’analyse</translation>
    </message>
    <message>
        <source>FindNewDesc</source>
        <translation>Trouve les pilotes manquants</translation>
    </message>
    <message>
        <source>RegularDesc</source>
        <translation>Vous rappelle de vérifier régulièrement</translation>
    </message>
    <message>
        <source>ScanNowButton</source>
        <translation>Analyser</translation>
    </message>
    <message>
        <source>StartScanTitle</source>
        <translation>Gardez vos pilotes à jour</translation>
    </message>
    <message>
        <source>UpdateOldDesc</source>
        <translation>Met à jour les pilotes obsolètes</translation>
    </message>
</context>
<context>
    <name>SystemRebootLayout</name>
    <message>
        <source>NeedRebootSystemMessage</source>
        <translation>Redémarrez l’ordinateur pour terminer l’installation des pilotes.</translation>
    </message>
    <message>
        <source>NeedRebootSystemTitle</source>
        <translation>Redémarrage nécessaire</translation>
    </message>
    <message>
        <source>RebootLaterButton</source>
        <translation>Plus tard</translation>
    </message>
    <message>
        <source>RebootNowButton</source>
        <translation>Redémarrer</translation>
    </message>
</context>
<context>
    <name>TextFieldMenu</name>
    <message>
        <source>CopyMenuItem</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>CutMenuItem</source>
        <translation>Couper</translation>
    </message>
    <message>
        <source>PasteMenuItem</source>
        <translation>Coller</translation>
    </message>
    <message>
        <source>SelectAllMenuItem</source>
        <translation>Tout sélectionner</translation>
    </message>
</context>
</TS>
