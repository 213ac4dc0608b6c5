<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>AboutModule</name>
    <message>
        <source>AppDescription</source>
        <translation>O Quillon Pro encontra drivers desatualizados no seu computador, baixa as versões mais recentes e as instala com segurança, guardando uma cópia de cada driver substituído.</translation>
    </message>
    <message>
        <source>ContactLink</source>
        <translation>Fale conosco</translation>
    </message>
    <message>
        <source>HowDeleteLink</source>
        <translation>Como desinstalar</translation>
    </message>
    <message>
        <source>PolicyLink</source>
        <translation>Política de privacidade</translation>
    </message>
    <message>
        <source>RefundPolicyLink</source>
        <translation>Política de reembolso</translation>
    </message>
    <message>
        <source>RiskLink</source>
        <translation>Riscos</translation>
    </message>
    <message>
        <source>UserAgreementLink</source>
        <translation>Contrato de licença</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versão</translation>
    </message>
</context>
<context>
    <name>AppUpdateView</name>
    <message>
        <source>AppUpdateDescription</source>
        <translation>Uma nova versão do Quillon Pro está disponível.</translation>
    </message>
    <message>
        <source>AppUpdateError</source>
        <translation>Não foi possível baixar ou verificar a atualização. Você pode tentar novamente ou continuar com esta versão.</translation>
    </message>
    <message>
        <source>AppUpdateHeader</source>
        <translation>Atualização disponível</translation>
    </message>
    <message>
        <source>AppUpdateProcess</source>
        <translation>Baixando a atualização…</translation>
    </message>
    <message>
        <source>AppUpdateQuestion</source>
        <translation>Baixar e instalar agora?</translation>
    </message>
    <message>
        <source>NoButton</source>
        <translation>Agora não</translation>
    </message>
    <message>
        <source>YesButton</source>
        <translation>Sim, atualizar</translation>
    </message>
</context>
<context>
    <name>AutorunModule</name>
    <message>
        <source>AutorunEnableCheckBox</source>
        <translation>Lembrar-me de verificar os drivers</translation>
    </message>
    <message>
        <source>AutosaveStartDesc</source>
        <translation>Próxima verificação: %1 às %2</translation>
    </message>
    <message>
        <source>MonthlySelect</source>
        <translation>Todo mês</translation>
    </message>
    <message>
        <source>SaveButton</source>
        <translation>Salvar</translation>
    </message>
    <message>
        <source>WeeklySelect</source>
        <translation>Toda semana</translation>
    </message>
</context>
<context>
    <name>BackupModule</name>
    <message>
        <source>BackButton</source>
        <translation>Voltar</translation>
    </message>
    <message>
        <source>BackupCreateTitle</source>
        <translation>Backup criado</translation>
    </message>
    <message>
        <source>BackupFromFileText</source>
        <translation>Arquivo de backup:</translation>
    </message>
    <message>
        <source>BackupInstallTitle</source>
        <translation>Restaurando drivers</translation>
    </message>
    <message>
        <source>BackupInstalledTitle</source>
        <translation>Drivers restaurados</translation>
    </message>
    <message>
        <source>BackupListTitle</source>
        <translation>Salvando drivers:</translation>
    </message>
    <message>
        <source>BrowseButton</source>
        <translation>Procurar…</translation>
    </message>
    <message>
        <source>CreateBackupButton</source>
        <translation>Criar backup</translation>
    </message>
    <message>
        <source>DetailButton</source>
        <translation>Saiba mais</translation>
    </message>
    <message>
        <source>Developer</source>
        <translation>Fornecedor</translation>
    </message>
    <message>
        <source>HowCreateBackupLink</source>
        <translation>Como criar um backup</translation>
    </message>
    <message>
        <source>HowUseBackupLink</source>
        <translation>Como restaurar um backup</translation>
    </message>
    <message>
        <source>InstallBackupButton</source>
        <translation>Restaurar backup</translation>
    </message>
    <message>
        <source>InstallDriversButton</source>
        <translation>Instalar</translation>
    </message>
    <message>
        <source>InstalledBackupListTitle</source>
        <translation>Drivers restaurados:</translation>
    </message>
    <message>
        <source>NoBackupDevices</source>
        <translation>Seus drivers correspondem ao backup. Não há nada para restaurar.</translation>
    </message>
    <message>
        <source>OldDriverList</source>
        <translation>Drivers para restaurar:</translation>
    </message>
    <message>
        <source>SelectAllCheckbox</source>
        <translation>Selecionar tudo</translation>
    </message>
    <message>
        <source>ValidDriverList</source>
        <translation>Outros drivers no backup:</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versão</translation>
    </message>
    <message>
        <source>VersionDate</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>WhatIsBackupLink</source>
        <translation>O que é um backup?</translation>
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
        <translation>Fornecedor</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versão</translation>
    </message>
    <message>
        <source>VersionDate</source>
        <translation>Data</translation>
    </message>
</context>
<context>
    <name>CompletionFooter</name>
    <message>
        <source>BackupCompleteButton</source>
        <translation>Concluído</translation>
    </message>
    <message>
        <source>BackupCompleteText</source>
        <translation>Agora verifique se há drivers mais recentes para o seu computador.</translation>
    </message>
    <message>
        <source>ScanNowButton</source>
        <translation>Verificar agora</translation>
    </message>
</context>
<context>
    <name>ConnectErrorView</name>
    <message>
        <source>ConnectErrorHeader</source>
        <translation>Sem conexão com o serviço de drivers</translation>
    </message>
    <message>
        <source>InternetConnectErrorMessage</source>
        <translation>O programa não conseguiu acessar o serviço de drivers. Verifique sua conexão com a Internet e tente novamente.</translation>
    </message>
    <message>
        <source>RetryButton</source>
        <translation>Tentar novamente</translation>
    </message>
    <message>
        <source>ServerConnectErrorMessage</source>
        <translation>O serviço de drivers não está disponível no momento. Tente novamente em alguns minutos.</translation>
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
        <translation>Drivers encontrados: %1</translation>
    </message>
    <message>
        <source>CurrentDriver</source>
        <translation>Driver atual</translation>
    </message>
    <message>
        <source>NewVersion</source>
        <translation>Nova versão</translation>
    </message>
    <message>
        <source>Recomended</source>
        <translation>Recomendado</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamanho</translation>
    </message>
</context>
<context>
    <name>DriverFacts</name>
    <message>
        <source>Developer</source>
        <translation>Fornecedor</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versão</translation>
    </message>
    <message>
        <source>VersionDate</source>
        <translation>Data</translation>
    </message>
</context>
<context>
    <name>DriverList</name>
    <message>
        <source>DriverDownloadStatus</source>
        <translation>Baixando</translation>
    </message>
    <message>
        <source>DriverInstallCompleteStatus</source>
        <translation>Instalado</translation>
    </message>
    <message>
        <source>DriverInstallErrorStatus</source>
        <translation>Falhou</translation>
    </message>
    <message>
        <source>DriverInstallStatus</source>
        <translation>Instalando</translation>
    </message>
    <message>
        <source>DriverWaitInLineStatus</source>
        <translation>Na fila</translation>
    </message>
    <message>
        <source>DriverWaitInstallStatus</source>
        <translation>Pronto para instalar</translation>
    </message>
    <message>
        <source>Unpacking</source>
        <translation>Descompactando</translation>
    </message>
</context>
<context>
    <name>HistoryModule</name>
    <message>
        <source>EmptyHistoryMessage</source>
        <translation>Nenhum driver foi atualizado ainda.</translation>
    </message>
    <message>
        <source>HistoryHeader</source>
        <translation>Atualizações de drivers instaladas</translation>
    </message>
</context>
<context>
    <name>InitView</name>
    <message>
        <source>AppInitializationText</source>
        <translation>Preparando: verificando o sistema e conectando ao serviço de drivers…</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versão</translation>
    </message>
</context>
<context>
    <name>InstallPage</name>
    <message>
        <source>CompleteButton</source>
        <translation>Concluído</translation>
    </message>
    <message>
        <source>InstallCompleteHeader</source>
        <translation>Instalação concluída</translation>
    </message>
    <message>
        <source>InstallDriversHeader</source>
        <translation>Instalando drivers:</translation>
    </message>
</context>
<context>
    <name>InstallRow</name>
    <message>
        <source>DriverDownloadStatus</source>
        <translation>Baixando</translation>
    </message>
    <message>
        <source>DriverInstallCompleteStatus</source>
        <translation>Instalado</translation>
    </message>
    <message>
        <source>DriverInstallErrorStatus</source>
        <translation>Falhou</translation>
    </message>
    <message>
        <source>DriverInstallStatus</source>
        <translation>Instalando</translation>
    </message>
    <message>
        <source>DriverWaitInLineStatus</source>
        <translation>Na fila</translation>
    </message>
    <message>
        <source>DriverWaitInstallStatus</source>
        <translation>Pronto para instalar</translation>
    </message>
    <message>
        <source>Unpacking</source>
        <translation>Descompactando</translation>
    </message>
</context>
<context>
    <name>ModulesList</name>
    <message>
        <source>DBUpdatedAtText</source>
        <translation>Banco de drivers atualizado:</translation>
    </message>
</context>
<context>
    <name>NoConnectPanel</name>
    <message>
        <source>NoConnectDesc</source>
        <translation>Esta página precisa do serviço de drivers, que não respondeu quando o programa foi iniciado. Reinicie o programa para tentar novamente.</translation>
    </message>
    <message>
        <source>NoConnectTitle</source>
        <translation>Sem conexão</translation>
    </message>
</context>
<context>
    <name>NoSignDriversLayout</name>
    <message>
        <source>DetailButton</source>
        <translation>Saiba mais</translation>
    </message>
    <message>
        <source>NoSignContinueButton</source>
        <translation>Continuar</translation>
    </message>
    <message>
        <source>NoSignEpilog</source>
        <translation>Uma cópia de cada driver substituído é mantida, então você pode desfazer qualquer atualização na página Recuperação.</translation>
    </message>
    <message>
        <source>NoSignInfo</source>
        <translation>Alguns dos drivers selecionados não são certificados pela Microsoft (WHQL). Eles vêm dos fabricantes dos dispositivos, mas podem não funcionar em todos os computadores.</translation>
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
        <translation>Concluído</translation>
    </message>
    <message>
        <source>DownloadInstallStep</source>
        <translation>Download e instalação</translation>
    </message>
    <message>
        <source>ScanningStep</source>
        <translation>Verificação</translation>
    </message>
    <message>
        <source>SelectStep</source>
        <translation>Seleção</translation>
    </message>
</context>
<context>
    <name>ProgramsModule</name>
    <message>
        <source>CommandLineProgram</source>
        <translation>Prompt de Comando</translation>
    </message>
    <message>
        <source>ComputerManagementProgram</source>
        <translation>Gerenciamento do Computador</translation>
    </message>
    <message>
        <source>ControlPanelProgram</source>
        <translation>Painel de Controle</translation>
    </message>
    <message>
        <source>DiskManagementProgram</source>
        <translation>Gerenciamento de Disco</translation>
    </message>
    <message>
        <source>DisplaySettingsProgram</source>
        <translation>Configurações de vídeo</translation>
    </message>
    <message>
        <source>NetworkProgram</source>
        <translation>Conexões de Rede</translation>
    </message>
    <message>
        <source>PowerSupplyProgram</source>
        <translation>Opções de Energia</translation>
    </message>
    <message>
        <source>ProgramsDescription</source>
        <translation>Abra as ferramentas do Windows que você mais usa para cuidar do seu computador.</translation>
    </message>
    <message>
        <source>ProgramsFeaturesProgram</source>
        <translation>Programas e Recursos</translation>
    </message>
    <message>
        <source>RecoveryProgram</source>
        <translation>Recuperação</translation>
    </message>
    <message>
        <source>SystemProgram</source>
        <translation>Sistema</translation>
    </message>
    <message>
        <source>TaskManagerProgram</source>
        <translation>Gerenciador de Tarefas</translation>
    </message>
</context>
<context>
    <name>Qln::AboutModule</name>
    <message>
        <source>AboutTitle</source>
        <translation>Sobre</translation>
    </message>
</context>
<context>
    <name>Qln::AutorunModule</name>
    <message>
        <source>AutorunTitle</source>
        <translation>Agendamento</translation>
    </message>
</context>
<context>
    <name>Qln::BackupModule</name>
    <message>
        <source>CloudBackupTitle</source>
        <translation>Backup</translation>
    </message>
</context>
<context>
    <name>Qln::BackupViewModel</name>
    <message>
        <source>DevMissing</source>
        <translation>Dispositivo não encontrado</translation>
    </message>
    <message>
        <source>DevNewHardware</source>
        <translation>Novo dispositivo</translation>
    </message>
    <message>
        <source>DevNoChange</source>
        <translation>Sem alterações</translation>
    </message>
</context>
<context>
    <name>Qln::Cli::Program</name>
    <message>
        <source>BackupCreateTitle</source>
        <translation>Backup criado</translation>
    </message>
    <message>
        <source>BackupFromFileText</source>
        <translation>Arquivo de backup:</translation>
    </message>
    <message>
        <source>BackupInstallTitle</source>
        <translation>Restaurando drivers</translation>
    </message>
    <message>
        <source>BackupInstalledTitle</source>
        <translation>Drivers restaurados</translation>
    </message>
    <message>
        <source>BackupListTitle</source>
        <translation>Salvando drivers:</translation>
    </message>
    <message>
        <source>ConnectErrorHeader</source>
        <translation>Sem conexão com o serviço de drivers</translation>
    </message>
    <message>
        <source>CurrentDriver</source>
        <translation>Driver atual</translation>
    </message>
    <message>
        <source>DevMissing</source>
        <translation>Dispositivo não encontrado</translation>
    </message>
    <message>
        <source>DevNewHardware</source>
        <translation>Novo dispositivo</translation>
    </message>
    <message>
        <source>DevNoChange</source>
        <translation>Sem alterações</translation>
    </message>
    <message>
        <source>DriverDownloadStatus</source>
        <translation>Baixando</translation>
    </message>
    <message>
        <source>DriverInstallCompleteStatus</source>
        <translation>Instalado</translation>
    </message>
    <message>
        <source>DriverInstallErrorStatus</source>
        <translation>Falhou</translation>
    </message>
    <message>
        <source>DriverInstallStatus</source>
        <translation>Instalando</translation>
    </message>
    <message>
        <source>DriverWaitInstallStatus</source>
        <translation>Pronto para instalar</translation>
    </message>
    <message>
        <source>EmptyHistoryMessage</source>
        <translation>Nenhum driver foi atualizado ainda.</translation>
    </message>
    <message>
        <source>FindUpdatesHeader</source>
        <translation>Procurando atualizações</translation>
    </message>
    <message>
        <source>HistoryHeader</source>
        <translation>Atualizações de drivers instaladas</translation>
    </message>
    <message>
        <source>InstallBackup</source>
        <translation>Restaurando</translation>
    </message>
    <message>
        <source>InstallBackupError</source>
        <translation>Falha ao restaurar</translation>
    </message>
    <message>
        <source>InstallBackupSuccess</source>
        <translation>Restaurado</translation>
    </message>
    <message>
        <source>InstallCompleteHeader</source>
        <translation>Instalação concluída</translation>
    </message>
    <message>
        <source>InstallDriversHeader</source>
        <translation>Instalando drivers:</translation>
    </message>
    <message>
        <source>InternetConnectErrorMessage</source>
        <translation>O programa não conseguiu acessar o serviço de drivers. Verifique sua conexão com a Internet e tente novamente.</translation>
    </message>
    <message>
        <source>NeedRebootSystemMessage</source>
        <translation>Reinicie o computador para concluir a instalação dos drivers.</translation>
    </message>
    <message>
        <source>NeedRebootSystemTitle</source>
        <translation>Reinicialização necessária</translation>
    </message>
    <message>
        <source>NewVersion</source>
        <translation>Nova versão</translation>
    </message>
    <message>
        <source>NoBackupDevices</source>
        <translation>Seus drivers correspondem ao backup. Não há nada para restaurar.</translation>
    </message>
    <message>
        <source>NoSignContinueButton</source>
        <translation>Continuar</translation>
    </message>
    <message>
        <source>NoSignEpilog</source>
        <translation>Uma cópia de cada driver substituído é mantida, então você pode desfazer qualquer atualização na página Recuperação.</translation>
    </message>
    <message>
        <source>NoSignInfo</source>
        <translation>Alguns dos drivers selecionados não são certificados pela Microsoft (WHQL). Eles vêm dos fabricantes dos dispositivos, mas podem não funcionar em todos os computadores.</translation>
    </message>
    <message>
        <source>NoSignTitle</source>
        <translation>Antes de instalar</translation>
    </message>
    <message>
        <source>OldDriverList</source>
        <translation>Drivers para restaurar:</translation>
    </message>
    <message>
        <source>Recomended</source>
        <translation>Recomendado</translation>
    </message>
    <message>
        <source>RecoveryEmptyMessage</source>
        <translation>Ainda não há drivers atualizados para reverter.</translation>
    </message>
    <message>
        <source>RecoveryHeader</source>
        <translation>Drivers atualizados que você pode reverter</translation>
    </message>
    <message>
        <source>SearchCompleteTitle</source>
        <translation>Seus drivers estão atualizados</translation>
    </message>
    <message>
        <source>ServerConnectErrorMessage</source>
        <translation>O serviço de drivers não está disponível no momento. Tente novamente em alguns minutos.</translation>
    </message>
    <message>
        <source>Unpacking</source>
        <translation>Descompactando</translation>
    </message>
    <message>
        <source>UpdatesFoundHeader</source>
        <translation>Dispositivos com atualizações:</translation>
    </message>
    <message>
        <source>WaitInstallBackup</source>
        <translation>Aguardando</translation>
    </message>
</context>
<context>
    <name>Qln::DeviceScanner</name>
    <message>
        <source>ScanTitle</source>
        <translation>Verificando dispositivos</translation>
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
        <translation>Procurando atualizações</translation>
    </message>
</context>
<context>
    <name>Qln::HistoryModule</name>
    <message>
        <source>DownloadHistoryTitle</source>
        <translation>Histórico</translation>
    </message>
</context>
<context>
    <name>Qln::InstallDriversModule</name>
    <message>
        <source>InstallDriversTitle</source>
        <translation>Atualização de drivers</translation>
    </message>
</context>
<context>
    <name>Qln::ProgramsModule</name>
    <message>
        <source>ProgramsTitle</source>
        <translation>Programas úteis</translation>
    </message>
</context>
<context>
    <name>Qln::RecoveryModule</name>
    <message>
        <source>RecoveryTitle</source>
        <translation>Recuperação</translation>
    </message>
</context>
<context>
    <name>Qln::SettingsModule</name>
    <message>
        <source>SettingsTitle</source>
        <translation>Configurações</translation>
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
        <translation>Falha ao restaurar</translation>
    </message>
    <message>
        <source>InstallBackupSuccess</source>
        <translation>Restaurado</translation>
    </message>
    <message>
        <source>RecoveryEmptyMessage</source>
        <translation>Ainda não há drivers atualizados para reverter.</translation>
    </message>
    <message>
        <source>RecoveryHeader</source>
        <translation>Drivers atualizados que você pode reverter</translation>
    </message>
    <message>
        <source>RestoreButton</source>
        <translation>Restaurar</translation>
    </message>
    <message>
        <source>Unpacking</source>
        <translation>Descompactando</translation>
    </message>
    <message>
        <source>WaitInstallBackup</source>
        <translation>Aguardando</translation>
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
        <translation>Memória</translation>
    </message>
    <message>
        <source>Motherboard</source>
        <translation>Placa-mãe</translation>
    </message>
    <message>
        <source>OS</source>
        <translation>Sistema operacional</translation>
    </message>
    <message>
        <source>Processor</source>
        <translation>Processador</translation>
    </message>
    <message>
        <source>SystemInfoTitle</source>
        <translation>Informações do sistema</translation>
    </message>
</context>
<context>
    <name>SearchComplete</name>
    <message>
        <source>SearchCompleteDesc</source>
        <translation>Não foram encontrados drivers mais recentes para seus dispositivos. Agende uma verificação regular para não perder os novos.</translation>
    </message>
    <message>
        <source>SearchCompleteTitle</source>
        <translation>Seus drivers estão atualizados</translation>
    </message>
    <message>
        <source>ToAutorunButton</source>
        <translation>Agendar verificações</translation>
    </message>
    <message>
        <source>UpdateFinishButton</source>
        <translation>Concluir</translation>
    </message>
</context>
<context>
    <name>SearchFailed</name>
    <message>
        <source>BackButton</source>
        <translation>Voltar</translation>
    </message>
    <message>
        <source>ConnectErrorHeader</source>
        <translation>Sem conexão com o serviço de drivers</translation>
    </message>
    <message>
        <source>RetryButton</source>
        <translation>Tentar novamente</translation>
    </message>
    <message>
        <source>ServerConnectErrorMessage</source>
        <translation>O serviço de drivers não está disponível no momento. Tente novamente em alguns minutos.</translation>
    </message>
</context>
<context>
    <name>SelectPage</name>
    <message>
        <source>BackButton</source>
        <translation>Voltar</translation>
    </message>
    <message>
        <source>InstallDriversButton</source>
        <translation>Instalar</translation>
    </message>
    <message>
        <source>RiskLink</source>
        <translation>Riscos</translation>
    </message>
    <message>
        <source>ScanDifferFooter</source>
        <translation>Os resultados dependem do banco de drivers e podem mudar com o tempo. Atualizar drivers envolve alguns riscos.</translation>
    </message>
    <message>
        <source>SelectAllCheckbox</source>
        <translation>Selecionar tudo</translation>
    </message>
    <message>
        <source>UpdatesFoundHeader</source>
        <translation>Dispositivos com atualizações:</translation>
    </message>
</context>
<context>
    <name>SettingsModule</name>
    <message>
        <source>BrowseButton</source>
        <translation>Procurar…</translation>
    </message>
    <message>
        <source>ChooseDirDesc</source>
        <translation>Escolha uma pasta para os drivers baixados</translation>
    </message>
    <message>
        <source>DefaultSettingsButton</source>
        <translation>Restaurar padrões</translation>
    </message>
    <message>
        <source>InvalidDirText</source>
        <translation>Esta pasta não existe. Escolha uma pasta existente; até lá, a anterior será mantida.</translation>
    </message>
    <message>
        <source>SaveSettingsButton</source>
        <translation>Salvar</translation>
    </message>
    <message>
        <source>SettingsDownloadDirHeader</source>
        <translation>Pasta de downloads</translation>
    </message>
    <message>
        <source>SettingsLanguageHeader</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>SettingsOptionsHeader</source>
        <translation>Verificações</translation>
    </message>
    <message>
        <source>SystemDriverCheck</source>
        <translation>Incluir dispositivos do sistema na verificação</translation>
    </message>
    <message>
        <source>UpdatesCheck</source>
        <translation>Verificar atualizações do programa ao iniciar</translation>
    </message>
</context>
<context>
    <name>SettingsRestartLayout</name>
    <message>
        <source>NeedRestartSettingsMessage</source>
        <translation>As novas configurações entram em vigor depois que o programa for reiniciado.</translation>
    </message>
    <message>
        <source>NeedRestartSettingsTitle</source>
        <translation>Configurações salvas</translation>
    </message>
    <message>
        <source>RestartLaterButton</source>
        <translation>Mais tarde</translation>
    </message>
    <message>
        <source>RestartNowButton</source>
        <translation>Reiniciar agora</translation>
    </message>
</context>
<context>
    <name>StartPage</name>
    <message>
        <source>AutoInstallDesc</source>
        <translation>Baixa e instala automaticamente</translation>
    </message>
    <message>
        <source>BackupDetailLink</source>
        <translation>O que é um backup?</translation>
    </message>
    <message>
        <source>CreateBackupCheckBox</source>
        <translation>Fazer backup de todos os drivers antes da verificação</translation>
    </message>
    <message>
        <source>FindNewDesc</source>
        <translation>Encontra drivers ausentes</translation>
    </message>
    <message>
        <source>RegularDesc</source>
        <translation>Lembra você de verificar regularmente</translation>
    </message>
    <message>
        <source>ScanNowButton</source>
        <translation>Verificar agora</translation>
    </message>
    <message>
        <source>StartScanTitle</source>
        <translation>Mantenha seus drivers atualizados</translation>
    </message>
    <message>
        <source>UpdateOldDesc</source>
        <translation>Atualiza drivers desatualizados</translation>
    </message>
</context>
<context>
    <name>SystemRebootLayout</name>
    <message>
        <source>NeedRebootSystemMessage</source>
        <translation>Reinicie o computador para concluir a instalação dos drivers.</translation>
    </message>
    <message>
        <source>NeedRebootSystemTitle</source>
        <translation>Reinicialização necessária</translation>
    </message>
    <message>
        <source>RebootLaterButton</source>
        <translation>Mais tarde</translation>
    </message>
    <message>
        <source>RebootNowButton</source>
        <translation>Reiniciar agora</translation>
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
        <translation>Recortar</translation>
    </message>
    <message>
        <source>PasteMenuItem</source>
        <translation>Colar</translation>
    </message>
    <message>
        <source>SelectAllMenuItem</source>
        <translation>Selecionar tudo</translation>
    </message>
</context>
</TS>
