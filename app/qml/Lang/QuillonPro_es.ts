<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>AboutModule</name>
    <message>
        <source>AppDescription</source>
        <translation>Quillon Pro encuentra los controladores obsoletos de su equipo, descarga sus últimas versiones y las instala de forma segura, guardando una copia de cada controlador que sustituye.</translation>
    </message>
    <message>
        <source>ContactLink</source>
        <translation>Contacto</translation>
    </message>
    <message>
        <source>HowDeleteLink</source>
        <translation>Cómo desinstalar</translation>
    </message>
    <message>
        <source>PolicyLink</source>
        <translation>Política de privacidad</translation>
    </message>
    <message>
        <source>RefundPolicyLink</source>
        <translation>Política de reembolso</translation>
    </message>
    <message>
        <source>RiskLink</source>
        <translation>Riesgos</translation>
    </message>
    <message>
        <source>UserAgreementLink</source>
        <translation>Contrato de licencia</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versión</translation>
    </message>
</context>
<context>
    <name>AppUpdateView</name>
    <message>
        <source>AppUpdateDescription</source>
        <translation>Hay una nueva versión de Quillon Pro disponible.</translation>
    </message>
    <message>
        <source>AppUpdateError</source>
        <translation>No se pudo descargar o verificar la actualización. Puede volver a intentarlo o continuar con esta versión.</translation>
    </message>
    <message>
        <source>AppUpdateHeader</source>
        <translation>Actualización disponible</translation>
    </message>
    <message>
        <source>AppUpdateProcess</source>
        <translation>Descargando la actualización…</translation>
    </message>
    <message>
        <source>AppUpdateQuestion</source>
        <translation>¿Desea descargarla e instalarla ahora?</translation>
    </message>
    <message>
        <source>NoButton</source>
        <translation>Ahora no</translation>
    </message>
    <message>
        <source>YesButton</source>
        <translation>Sí, actualizar</translation>
    </message>
</context>
<context>
    <name>AutorunModule</name>
    <message>
        <source>AutorunEnableCheckBox</source>
        <translation>Recordarme revisar los controladores</translation>
    </message>
    <message>
        <source>AutosaveStartDesc</source>
        <translation>Próxima revisión: %1 a las %2</translation>
    </message>
    <message>
        <source>MonthlySelect</source>
        <translation>Cada mes</translation>
    </message>
    <message>
        <source>SaveButton</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>WeeklySelect</source>
        <translation>Cada semana</translation>
    </message>
</context>
<context>
    <name>BackupModule</name>
    <message>
        <source>BackButton</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <source>BackupCreateTitle</source>
        <translation>Copia de seguridad creada</translation>
    </message>
    <message>
        <source>BackupFromFileText</source>
        <translation>Archivo de copia:</translation>
    </message>
    <message>
        <source>BackupInstallTitle</source>
        <translation>Restaurando controladores</translation>
    </message>
    <message>
        <source>BackupInstalledTitle</source>
        <translation>Controladores restaurados</translation>
    </message>
    <message>
        <source>BackupListTitle</source>
        <translation>Guardando controladores:</translation>
    </message>
    <message>
        <source>BrowseButton</source>
        <translation>Examinar…</translation>
    </message>
    <message>
        <source>CreateBackupButton</source>
        <translation>Crear copia</translation>
    </message>
    <message>
        <source>DetailButton</source>
        <translation>Más información</translation>
    </message>
    <message>
        <source>Developer</source>
        <translation>Proveedor</translation>
    </message>
    <message>
        <source>HowCreateBackupLink</source>
        <translation>Cómo crear una copia de seguridad</translation>
    </message>
    <message>
        <source>HowUseBackupLink</source>
        <translation>Cómo restaurar una copia de seguridad</translation>
    </message>
    <message>
        <source>InstallBackupButton</source>
        <translation>Restaurar copia</translation>
    </message>
    <message>
        <source>InstallDriversButton</source>
        <translation>Instalar</translation>
    </message>
    <message>
        <source>InstalledBackupListTitle</source>
        <translation>Controladores restaurados:</translation>
    </message>
    <message>
        <source>NoBackupDevices</source>
        <translation>Sus controladores coinciden con la copia de seguridad. No hay nada que restaurar.</translation>
    </message>
    <message>
        <source>OldDriverList</source>
        <translation>Controladores para restaurar:</translation>
    </message>
    <message>
        <source>SelectAllCheckbox</source>
        <translation>Seleccionar todo</translation>
    </message>
    <message>
        <source>ValidDriverList</source>
        <translation>Otros controladores de la copia:</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versión</translation>
    </message>
    <message>
        <source>VersionDate</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>WhatIsBackupLink</source>
        <translation>¿Qué es una copia de seguridad?</translation>
    </message>
</context>
<context>
    <name>CancelButton</name>
    <message>
        <source>CancelButton</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>ChangeRow</name>
    <message>
        <source>Developer</source>
        <translation>Proveedor</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versión</translation>
    </message>
    <message>
        <source>VersionDate</source>
        <translation>Fecha</translation>
    </message>
</context>
<context>
    <name>CompletionFooter</name>
    <message>
        <source>BackupCompleteButton</source>
        <translation>Listo</translation>
    </message>
    <message>
        <source>BackupCompleteText</source>
        <translation>Ahora busque controladores más recientes para su equipo.</translation>
    </message>
    <message>
        <source>ScanNowButton</source>
        <translation>Analizar ahora</translation>
    </message>
</context>
<context>
    <name>ConnectErrorView</name>
    <message>
        <source>ConnectErrorHeader</source>
        <translation>Sin conexión con el servicio de controladores</translation>
    </message>
    <message>
        <source>InternetConnectErrorMessage</source>
        <translation>El programa no ha podido conectar con el servicio de controladores. Compruebe su conexión a Internet y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>RetryButton</source>
        <translation>Reintentar</translation>
    </message>
    <message>
        <source>ServerConnectErrorMessage</source>
        <translation>El servicio de controladores no está disponible en este momento. Vuelva a intentarlo en unos minutos.</translation>
    </message>
</context>
<context>
    <name>DeviceRow</name>
    <message>
        <source>Alternative</source>
        <translation>Alternativo</translation>
    </message>
    <message>
        <source>CandidateCount</source>
        <translation>Controladores encontrados: %1</translation>
    </message>
    <message>
        <source>CurrentDriver</source>
        <translation>Controlador actual</translation>
    </message>
    <message>
        <source>NewVersion</source>
        <translation>Nueva versión</translation>
    </message>
    <message>
        <source>Recomended</source>
        <translation>Recomendado</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamaño</translation>
    </message>
</context>
<context>
    <name>DriverFacts</name>
    <message>
        <source>Developer</source>
        <translation>Proveedor</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versión</translation>
    </message>
    <message>
        <source>VersionDate</source>
        <translation>Fecha</translation>
    </message>
</context>
<context>
    <name>DriverList</name>
    <message>
        <source>DriverDownloadStatus</source>
        <translation>Descargando</translation>
    </message>
    <message>
        <source>DriverInstallCompleteStatus</source>
        <translation>Instalado</translation>
    </message>
    <message>
        <source>DriverInstallErrorStatus</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>DriverInstallStatus</source>
        <translation>Instalando</translation>
    </message>
    <message>
        <source>DriverWaitInLineStatus</source>
        <translation>En cola</translation>
    </message>
    <message>
        <source>DriverWaitInstallStatus</source>
        <translation>Listo para instalar</translation>
    </message>
    <message>
        <source>Unpacking</source>
        <translation>Descomprimiendo</translation>
    </message>
</context>
<context>
    <name>HistoryModule</name>
    <message>
        <source>EmptyHistoryMessage</source>
        <translation>Todavía no se ha actualizado ningún controlador.</translation>
    </message>
    <message>
        <source>HistoryHeader</source>
        <translation>Actualizaciones de controladores instaladas</translation>
    </message>
</context>
<context>
    <name>InitView</name>
    <message>
        <source>AppInitializationText</source>
        <translation>Preparando: comprobando el sistema y conectando con el servicio de controladores…</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versión</translation>
    </message>
</context>
<context>
    <name>InstallPage</name>
    <message>
        <source>CompleteButton</source>
        <translation>Listo</translation>
    </message>
    <message>
        <source>InstallCompleteHeader</source>
        <translation>Instalación completada</translation>
    </message>
    <message>
        <source>InstallDriversHeader</source>
        <translation>Instalando controladores:</translation>
    </message>
</context>
<context>
    <name>InstallRow</name>
    <message>
        <source>DriverDownloadStatus</source>
        <translation>Descargando</translation>
    </message>
    <message>
        <source>DriverInstallCompleteStatus</source>
        <translation>Instalado</translation>
    </message>
    <message>
        <source>DriverInstallErrorStatus</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>DriverInstallStatus</source>
        <translation>Instalando</translation>
    </message>
    <message>
        <source>DriverWaitInLineStatus</source>
        <translation>En cola</translation>
    </message>
    <message>
        <source>DriverWaitInstallStatus</source>
        <translation>Listo para instalar</translation>
    </message>
    <message>
        <source>Unpacking</source>
        <translation>Descomprimiendo</translation>
    </message>
</context>
<context>
    <name>ModulesList</name>
    <message>
        <source>DBUpdatedAtText</source>
        <translation>Base de controladores actualizada:</translation>
    </message>
</context>
<context>
    <name>NoConnectPanel</name>
    <message>
        <source>NoConnectDesc</source>
        <translation>Esta página necesita el servicio de controladores, que no respondió al iniciar el programa. Reinicie el programa para volver a intentarlo.</translation>
    </message>
    <message>
        <source>NoConnectTitle</source>
        <translation>Sin conexión</translation>
    </message>
</context>
<context>
    <name>NoSignDriversLayout</name>
    <message>
        <source>DetailButton</source>
        <translation>Más información</translation>
    </message>
    <message>
        <source>NoSignContinueButton</source>
        <translation>Continuar</translation>
    </message>
    <message>
        <source>NoSignEpilog</source>
        <translation>Se guarda una copia de cada controlador sustituido, por lo que puede deshacer cualquier actualización en la página Recuperación.</translation>
    </message>
    <message>
        <source>NoSignInfo</source>
        <translation>Algunos de los controladores seleccionados no están certificados por Microsoft (WHQL). Proceden de los fabricantes de los dispositivos, pero puede que no funcionen en todos los equipos.</translation>
    </message>
    <message>
        <source>NoSignTitle</source>
        <translation>Antes de instalar</translation>
    </message>
</context>
<context>
    <name>PipelineStrip</name>
    <message>
        <source>CompleteStep</source>
        <translation>Listo</translation>
    </message>
    <message>
        <source>DownloadInstallStep</source>
        <translation>Descarga e instalación</translation>
    </message>
    <message>
        <source>ScanningStep</source>
        <translation>Análisis</translation>
    </message>
    <message>
        <source>SelectStep</source>
        <translation>Selección</translation>
    </message>
</context>
<context>
    <name>ProgramsModule</name>
    <message>
        <source>CommandLineProgram</source>
        <translation>Símbolo del sistema</translation>
    </message>
    <message>
        <source>ComputerManagementProgram</source>
        <translation>Administración de equipos</translation>
    </message>
    <message>
        <source>ControlPanelProgram</source>
        <translation>Panel de control</translation>
    </message>
    <message>
        <source>DiskManagementProgram</source>
        <translation>Administración de discos</translation>
    </message>
    <message>
        <source>DisplaySettingsProgram</source>
        <translation>Configuración de pantalla</translation>
    </message>
    <message>
        <source>NetworkProgram</source>
        <translation>Conexiones de red</translation>
    </message>
    <message>
        <source>PowerSupplyProgram</source>
        <translation>Opciones de energía</translation>
    </message>
    <message>
        <source>ProgramsDescription</source>
        <translation>Abra las herramientas de Windows que más necesita para cuidar su equipo.</translation>
    </message>
    <message>
        <source>ProgramsFeaturesProgram</source>
        <translation>Programas y características</translation>
    </message>
    <message>
        <source>RecoveryProgram</source>
        <translation>Recuperación</translation>
    </message>
    <message>
        <source>SystemProgram</source>
        <translation>Sistema</translation>
    </message>
    <message>
        <source>TaskManagerProgram</source>
        <translation>Administrador de tareas</translation>
    </message>
</context>
<context>
    <name>Qln::AboutModule</name>
    <message>
        <source>AboutTitle</source>
        <translation>Acerca de</translation>
    </message>
</context>
<context>
    <name>Qln::AutorunModule</name>
    <message>
        <source>AutorunTitle</source>
        <translation>Programación</translation>
    </message>
</context>
<context>
    <name>Qln::BackupModule</name>
    <message>
        <source>CloudBackupTitle</source>
        <translation>Copia de seguridad</translation>
    </message>
</context>
<context>
    <name>Qln::BackupViewModel</name>
    <message>
        <source>DevMissing</source>
        <translation>Dispositivo no encontrado</translation>
    </message>
    <message>
        <source>DevNewHardware</source>
        <translation>Dispositivo nuevo</translation>
    </message>
    <message>
        <source>DevNoChange</source>
        <translation>Sin cambios</translation>
    </message>
</context>
<context>
    <name>Qln::Cli::Program</name>
    <message>
        <source>BackupCreateTitle</source>
        <translation>Copia de seguridad creada</translation>
    </message>
    <message>
        <source>BackupFromFileText</source>
        <translation>Archivo de copia:</translation>
    </message>
    <message>
        <source>BackupInstallTitle</source>
        <translation>Restaurando controladores</translation>
    </message>
    <message>
        <source>BackupInstalledTitle</source>
        <translation>Controladores restaurados</translation>
    </message>
    <message>
        <source>BackupListTitle</source>
        <translation>Guardando controladores:</translation>
    </message>
    <message>
        <source>ConnectErrorHeader</source>
        <translation>Sin conexión con el servicio de controladores</translation>
    </message>
    <message>
        <source>CurrentDriver</source>
        <translation>Controlador actual</translation>
    </message>
    <message>
        <source>DevMissing</source>
        <translation>Dispositivo no encontrado</translation>
    </message>
    <message>
        <source>DevNewHardware</source>
        <translation>Dispositivo nuevo</translation>
    </message>
    <message>
        <source>DevNoChange</source>
        <translation>Sin cambios</translation>
    </message>
    <message>
        <source>DriverDownloadStatus</source>
        <translation>Descargando</translation>
    </message>
    <message>
        <source>DriverInstallCompleteStatus</source>
        <translation>Instalado</translation>
    </message>
    <message>
        <source>DriverInstallErrorStatus</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>DriverInstallStatus</source>
        <translation>Instalando</translation>
    </message>
    <message>
        <source>DriverWaitInstallStatus</source>
        <translation>Listo para instalar</translation>
    </message>
    <message>
        <source>EmptyHistoryMessage</source>
        <translation>Todavía no se ha actualizado ningún controlador.</translation>
    </message>
    <message>
        <source>FindUpdatesHeader</source>
        <translation>Buscando actualizaciones</translation>
    </message>
    <message>
        <source>HistoryHeader</source>
        <translation>Actualizaciones de controladores instaladas</translation>
    </message>
    <message>
        <source>InstallBackup</source>
        <translation>Restaurando</translation>
    </message>
    <message>
        <source>InstallBackupError</source>
        <translation>Error al restaurar</translation>
    </message>
    <message>
        <source>InstallBackupSuccess</source>
        <translation>Restaurado</translation>
    </message>
    <message>
        <source>InstallCompleteHeader</source>
        <translation>Instalación completada</translation>
    </message>
    <message>
        <source>InstallDriversHeader</source>
        <translation>Instalando controladores:</translation>
    </message>
    <message>
        <source>InternetConnectErrorMessage</source>
        <translation>El programa no ha podido conectar con el servicio de controladores. Compruebe su conexión a Internet y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>NeedRebootSystemMessage</source>
        <translation>Reinicie el equipo para terminar de instalar los controladores.</translation>
    </message>
    <message>
        <source>NeedRebootSystemTitle</source>
        <translation>Es necesario reiniciar</translation>
    </message>
    <message>
        <source>NewVersion</source>
        <translation>Nueva versión</translation>
    </message>
    <message>
        <source>NoBackupDevices</source>
        <translation>Sus controladores coinciden con la copia de seguridad. No hay nada que restaurar.</translation>
    </message>
    <message>
        <source>NoSignContinueButton</source>
        <translation>Continuar</translation>
    </message>
    <message>
        <source>NoSignEpilog</source>
        <translation>Se guarda una copia de cada controlador sustituido, por lo que puede deshacer cualquier actualización en la página Recuperación.</translation>
    </message>
    <message>
        <source>NoSignInfo</source>
        <translation>Algunos de los controladores seleccionados no están certificados por Microsoft (WHQL). Proceden de los fabricantes de los dispositivos, pero puede que no funcionen en todos los equipos.</translation>
    </message>
    <message>
        <source>NoSignTitle</source>
        <translation>Antes de instalar</translation>
    </message>
    <message>
        <source>OldDriverList</source>
        <translation>Controladores para restaurar:</translation>
    </message>
    <message>
        <source>Recomended</source>
        <translation>Recomendado</translation>
    </message>
    <message>
        <source>RecoveryEmptyMessage</source>
        <translation>Todavía no hay controladores actualizados que revertir.</translation>
    </message>
    <message>
        <source>RecoveryHeader</source>
        <translation>Controladores actualizados que puede revertir</translation>
    </message>
    <message>
        <source>SearchCompleteTitle</source>
        <translation>Sus controladores están al día</translation>
    </message>
    <message>
        <source>ServerConnectErrorMessage</source>
        <translation>El servicio de controladores no está disponible en este momento. Vuelva a intentarlo en unos minutos.</translation>
    </message>
    <message>
        <source>Unpacking</source>
        <translation>Descomprimiendo</translation>
    </message>
    <message>
        <source>UpdatesFoundHeader</source>
        <translation>Dispositivos con actualizaciones:</translation>
    </message>
    <message>
        <source>WaitInstallBackup</source>
        <translation>En espera</translation>
    </message>
</context>
<context>
    <name>Qln::DeviceScanner</name>
    <message>
        <source>ScanTitle</source>
        <translation>Analizando dispositivos</translation>
    </message>
</context>
<context>
    <name>Qln::DriverDescription</name>
    <message>
        <source>KB</source>
        <translation>KB</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>MB</translation>
    </message>
</context>
<context>
    <name>Qln::FindUpdates</name>
    <message>
        <source>FindUpdatesHeader</source>
        <translation>Buscando actualizaciones</translation>
    </message>
</context>
<context>
    <name>Qln::HistoryModule</name>
    <message>
        <source>DownloadHistoryTitle</source>
        <translation>Historial</translation>
    </message>
</context>
<context>
    <name>Qln::InstallDriversModule</name>
    <message>
        <source>InstallDriversTitle</source>
        <translation>Actualizar controladores</translation>
    </message>
</context>
<context>
    <name>Qln::ProgramsModule</name>
    <message>
        <source>ProgramsTitle</source>
        <translation>Programas útiles</translation>
    </message>
</context>
<context>
    <name>Qln::RecoveryModule</name>
    <message>
        <source>RecoveryTitle</source>
        <translation>Recuperación</translation>
    </message>
</context>
<context>
    <name>Qln::SettingsModule</name>
    <message>
        <source>SettingsTitle</source>
        <translation>Configuración</translation>
    </message>
</context>
<context>
    <name>RecoveryModule</name>
    <message>
        <source>InstallBackup</source>
        <translation>Restaurando</translation>
    </message>
    <message>
        <source>InstallBackupError</source>
        <translation>Error al restaurar</translation>
    </message>
    <message>
        <source>InstallBackupSuccess</source>
        <translation>Restaurado</translation>
    </message>
    <message>
        <source>RecoveryEmptyMessage</source>
        <translation>Todavía no hay controladores actualizados que revertir.</translation>
    </message>
    <message>
        <source>RecoveryHeader</source>
        <translation>Controladores actualizados que puede revertir</translation>
    </message>
    <message>
        <source>RestoreButton</source>
        <translation>Restaurar</translation>
    </message>
    <message>
        <source>Unpacking</source>
        <translation>Descomprimiendo</translation>
    </message>
    <message>
        <source>WaitInstallBackup</source>
        <translation>En espera</translation>
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
        <translation>GB</translation>
    </message>
    <message>
        <source>Memory</source>
        <translation>Memoria</translation>
    </message>
    <message>
        <source>Motherboard</source>
        <translation>Placa base</translation>
    </message>
    <message>
        <source>OS</source>
        <translation>Sistema operativo</translation>
    </message>
    <message>
        <source>Processor</source>
        <translation>Procesador</translation>
    </message>
    <message>
        <source>SystemInfoTitle</source>
        <translation>Información del sistema</translation>
    </message>
</context>
<context>
    <name>SearchComplete</name>
    <message>
        <source>SearchCompleteDesc</source>
        <translation>No se han encontrado controladores más recientes para sus dispositivos. Programe una revisión periódica para no perderse los nuevos.</translation>
    </message>
    <message>
        <source>SearchCompleteTitle</source>
        <translation>Sus controladores están al día</translation>
    </message>
    <message>
        <source>ToAutorunButton</source>
        <translation>Programar revisiones</translation>
    </message>
    <message>
        <source>UpdateFinishButton</source>
        <translation>Finalizar</translation>
    </message>
</context>
<context>
    <name>SearchFailed</name>
    <message>
        <source>BackButton</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <source>ConnectErrorHeader</source>
        <translation>Sin conexión con el servicio de controladores</translation>
    </message>
    <message>
        <source>RetryButton</source>
        <translation>Reintentar</translation>
    </message>
    <message>
        <source>ServerConnectErrorMessage</source>
        <translation>El servicio de controladores no está disponible en este momento. Vuelva a intentarlo en unos minutos.</translation>
    </message>
</context>
<context>
    <name>SelectPage</name>
    <message>
        <source>BackButton</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <source>InstallDriversButton</source>
        <translation>Instalar</translation>
    </message>
    <message>
        <source>RiskLink</source>
        <translation>Riesgos</translation>
    </message>
    <message>
        <source>ScanDifferFooter</source>
        <translation>Los resultados dependen de la base de controladores y pueden cambiar. Actualizar controladores conlleva ciertos riesgos.</translation>
    </message>
    <message>
        <source>SelectAllCheckbox</source>
        <translation>Seleccionar todo</translation>
    </message>
    <message>
        <source>UpdatesFoundHeader</source>
        <translation>Dispositivos con actualizaciones:</translation>
    </message>
</context>
<context>
    <name>SettingsModule</name>
    <message>
        <source>BrowseButton</source>
        <translation>Examinar…</translation>
    </message>
    <message>
        <source>ChooseDirDesc</source>
        <translation>Elija una carpeta para los controladores descargados</translation>
    </message>
    <message>
        <source>DefaultSettingsButton</source>
        <translation>Restablecer</translation>
    </message>
    <message>
        <source>InvalidDirText</source>
        <translation>Esta carpeta no existe. Elija una carpeta existente; mientras tanto se mantiene la anterior.</translation>
    </message>
    <message>
        <source>SaveSettingsButton</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>SettingsDownloadDirHeader</source>
        <translation>Carpeta de descargas</translation>
    </message>
    <message>
        <source>SettingsLanguageHeader</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>SettingsOptionsHeader</source>
        <translation>Comprobaciones</translation>
    </message>
    <message>
        <source>SystemDriverCheck</source>
        <translation>Incluir los dispositivos del sistema en el análisis</translation>
    </message>
    <message>
        <source>UpdatesCheck</source>
        <translation>Buscar actualizaciones del programa al iniciar</translation>
    </message>
</context>
<context>
    <name>SettingsRestartLayout</name>
    <message>
        <source>NeedRestartSettingsMessage</source>
        <translation>La nueva configuración se aplicará cuando se reinicie el programa.</translation>
    </message>
    <message>
        <source>NeedRestartSettingsTitle</source>
        <translation>Configuración guardada</translation>
    </message>
    <message>
        <source>RestartLaterButton</source>
        <translation>Más tarde</translation>
    </message>
    <message>
        <source>RestartNowButton</source>
        <translation>Reiniciar ahora</translation>
    </message>
</context>
<context>
    <name>StartPage</name>
    <message>
        <source>AutoInstallDesc</source>
        <translation>Los descarga e instala automáticamente</translation>
    </message>
    <message>
        <source>BackupDetailLink</source>
        <translation>¿Qué es una copia de seguridad?</translation>
    </message>
    <message>
        <source>CreateBackupCheckBox</source>
        <translation>Hacer una copia de todos los controladores antes del análisis</translation>
    </message>
    <message>
        <source>FindNewDesc</source>
        <translation>Encuentra los controladores que faltan</translation>
    </message>
    <message>
        <source>RegularDesc</source>
        <translation>Le recuerda revisarlos con regularidad</translation>
    </message>
    <message>
        <source>ScanNowButton</source>
        <translation>Analizar ahora</translation>
    </message>
    <message>
        <source>StartScanTitle</source>
        <translation>Mantenga sus controladores al día</translation>
    </message>
    <message>
        <source>UpdateOldDesc</source>
        <translation>Actualiza los controladores obsoletos</translation>
    </message>
</context>
<context>
    <name>SystemRebootLayout</name>
    <message>
        <source>NeedRebootSystemMessage</source>
        <translation>Reinicie el equipo para terminar de instalar los controladores.</translation>
    </message>
    <message>
        <source>NeedRebootSystemTitle</source>
        <translation>Es necesario reiniciar</translation>
    </message>
    <message>
        <source>RebootLaterButton</source>
        <translation>Más tarde</translation>
    </message>
    <message>
        <source>RebootNowButton</source>
        <translation>Reiniciar ahora</translation>
    </message>
</context>
<context>
    <name>TextFieldMenu</name>
    <message>
        <source>CopyMenuItem</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>CutMenuItem</source>
        <translation>Cortar</translation>
    </message>
    <message>
        <source>PasteMenuItem</source>
        <translation>Pegar</translation>
    </message>
    <message>
        <source>SelectAllMenuItem</source>
        <translation>Seleccionar todo</translation>
    </message>
</context>
</TS>
