<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko_KR">
<context>
    <name>AboutModule</name>
    <message>
        <source>AppDescription</source>
        <translation>Quillon Pro는 컴퓨터에서 오래된 드라이버를 찾아 최신 버전을 다운로드하고 안전하게 설치하며, 교체하는 모든 드라이버의 사본을 보관합니다.</translation>
    </message>
    <message>
        <source>ContactLink</source>
        <translation>문의하기</translation>
    </message>
    <message>
        <source>HowDeleteLink</source>
        <translation>제거 방법</translation>
    </message>
    <message>
        <source>PolicyLink</source>
        <translation>개인정보 처리방침</translation>
    </message>
    <message>
        <source>RefundPolicyLink</source>
        <translation>환불 정책</translation>
    </message>
    <message>
        <source>RiskLink</source>
        <translation>위험</translation>
    </message>
    <message>
        <source>UserAgreementLink</source>
        <translation>사용권 계약</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>버전</translation>
    </message>
</context>
<context>
    <name>AppUpdateView</name>
    <message>
        <source>AppUpdateDescription</source>
        <translation>Quillon Pro의 새 버전을 사용할 수 있습니다.</translation>
    </message>
    <message>
        <source>AppUpdateError</source>
        <translation>업데이트를 다운로드하거나 확인할 수 없습니다. 다시 시도하거나 이 버전으로 계속할 수 있습니다.</translation>
    </message>
    <message>
        <source>AppUpdateHeader</source>
        <translation>업데이트 가능</translation>
    </message>
    <message>
        <source>AppUpdateProcess</source>
        <translation>업데이트를 다운로드하는 중…</translation>
    </message>
    <message>
        <source>AppUpdateQuestion</source>
        <translation>지금 다운로드하여 설치하시겠습니까?</translation>
    </message>
    <message>
        <source>NoButton</source>
        <translation>나중에</translation>
    </message>
    <message>
        <source>YesButton</source>
        <translation>예, 업데이트</translation>
    </message>
</context>
<context>
    <name>AutorunModule</name>
    <message>
        <source>AutorunEnableCheckBox</source>
        <translation>드라이버 검사 알림 받기</translation>
    </message>
    <message>
        <source>AutosaveStartDesc</source>
        <translation>다음 검사: %1 %2</translation>
    </message>
    <message>
        <source>MonthlySelect</source>
        <translation>매월</translation>
    </message>
    <message>
        <source>SaveButton</source>
        <translation>저장</translation>
    </message>
    <message>
        <source>WeeklySelect</source>
        <translation>매주</translation>
    </message>
</context>
<context>
    <name>BackupModule</name>
    <message>
        <source>BackButton</source>
        <translation>뒤로</translation>
    </message>
    <message>
        <source>BackupCreateTitle</source>
        <translation>백업을 만들었습니다</translation>
    </message>
    <message>
        <source>BackupFromFileText</source>
        <translation>백업 파일:</translation>
    </message>
    <message>
        <source>BackupInstallTitle</source>
        <translation>드라이버 복원 중</translation>
    </message>
    <message>
        <source>BackupInstalledTitle</source>
        <translation>드라이버를 복원했습니다</translation>
    </message>
    <message>
        <source>BackupListTitle</source>
        <translation>드라이버 저장 중:</translation>
    </message>
    <message>
        <source>BrowseButton</source>
        <translation>찾아보기…</translation>
    </message>
    <message>
        <source>CreateBackupButton</source>
        <translation>백업 만들기</translation>
    </message>
    <message>
        <source>DetailButton</source>
        <translation>자세히 알아보기</translation>
    </message>
    <message>
        <source>Developer</source>
        <translation>공급자</translation>
    </message>
    <message>
        <source>HowCreateBackupLink</source>
        <translation>백업 만드는 방법</translation>
    </message>
    <message>
        <source>HowUseBackupLink</source>
        <translation>백업에서 복원하는 방법</translation>
    </message>
    <message>
        <source>InstallBackupButton</source>
        <translation>백업에서 복원</translation>
    </message>
    <message>
        <source>InstallDriversButton</source>
        <translation>설치</translation>
    </message>
    <message>
        <source>InstalledBackupListTitle</source>
        <translation>복원된 드라이버:</translation>
    </message>
    <message>
        <source>NoBackupDevices</source>
        <translation>드라이버가 백업과 일치합니다. 복원할 항목이 없습니다.</translation>
    </message>
    <message>
        <source>OldDriverList</source>
        <translation>복원할 드라이버:</translation>
    </message>
    <message>
        <source>SelectAllCheckbox</source>
        <translation>모두 선택</translation>
    </message>
    <message>
        <source>ValidDriverList</source>
        <translation>백업의 기타 드라이버:</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>버전</translation>
    </message>
    <message>
        <source>VersionDate</source>
        <translation>날짜</translation>
    </message>
    <message>
        <source>WhatIsBackupLink</source>
        <translation>백업이란?</translation>
    </message>
</context>
<context>
    <name>CancelButton</name>
    <message>
        <source>CancelButton</source>
        <translation>취소</translation>
    </message>
</context>
<context>
    <name>ChangeRow</name>
    <message>
        <source>Developer</source>
        <translation>공급자</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>버전</translation>
    </message>
    <message>
        <source>VersionDate</source>
        <translation>날짜</translation>
    </message>
</context>
<context>
    <name>CompletionFooter</name>
    <message>
        <source>BackupCompleteButton</source>
        <translation>완료</translation>
    </message>
    <message>
        <source>BackupCompleteText</source>
        <translation>이제 컴퓨터에서 최신 드라이버를 검사하세요.</translation>
    </message>
    <message>
        <source>ScanNowButton</source>
        <translation>지금 검사</translation>
    </message>
</context>
<context>
    <name>ConnectErrorView</name>
    <message>
        <source>ConnectErrorHeader</source>
        <translation>드라이버 서비스에 연결되지 않음</translation>
    </message>
    <message>
        <source>InternetConnectErrorMessage</source>
        <translation>프로그램이 드라이버 서비스에 연결하지 못했습니다. 인터넷 연결을 확인한 후 다시 시도하세요.</translation>
    </message>
    <message>
        <source>RetryButton</source>
        <translation>다시 시도</translation>
    </message>
    <message>
        <source>ServerConnectErrorMessage</source>
        <translation>지금은 드라이버 서비스를 사용할 수 없습니다. 몇 분 후에 다시 시도하세요.</translation>
    </message>
</context>
<context>
    <name>DeviceRow</name>
    <message>
        <source>Alternative</source>
        <translation>대체</translation>
    </message>
    <message>
        <source>CandidateCount</source>
        <translation>찾은 드라이버: %1</translation>
    </message>
    <message>
        <source>CurrentDriver</source>
        <translation>현재 드라이버</translation>
    </message>
    <message>
        <source>NewVersion</source>
        <translation>새 버전</translation>
    </message>
    <message>
        <source>Recomended</source>
        <translation>권장</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>크기</translation>
    </message>
</context>
<context>
    <name>DriverFacts</name>
    <message>
        <source>Developer</source>
        <translation>공급자</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>버전</translation>
    </message>
    <message>
        <source>VersionDate</source>
        <translation>날짜</translation>
    </message>
</context>
<context>
    <name>DriverList</name>
    <message>
        <source>DriverDownloadStatus</source>
        <translation>다운로드 중</translation>
    </message>
    <message>
        <source>DriverInstallCompleteStatus</source>
        <translation>설치됨</translation>
    </message>
    <message>
        <source>DriverInstallErrorStatus</source>
        <translation>실패</translation>
    </message>
    <message>
        <source>DriverInstallStatus</source>
        <translation>설치 중</translation>
    </message>
    <message>
        <source>DriverWaitInLineStatus</source>
        <translation>대기 중</translation>
    </message>
    <message>
        <source>DriverWaitInstallStatus</source>
        <translation>설치 준비됨</translation>
    </message>
    <message>
        <source>Unpacking</source>
        <translation>압축 푸는 중</translation>
    </message>
</context>
<context>
    <name>HistoryModule</name>
    <message>
        <source>EmptyHistoryMessage</source>
        <translation>아직 업데이트된 드라이버가 없습니다.</translation>
    </message>
    <message>
        <source>HistoryHeader</source>
        <translation>설치된 드라이버 업데이트</translation>
    </message>
</context>
<context>
    <name>InitView</name>
    <message>
        <source>AppInitializationText</source>
        <translation>준비 중: 시스템을 확인하고 드라이버 서비스에 연결하는 중…</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>버전</translation>
    </message>
</context>
<context>
    <name>InstallPage</name>
    <message>
        <source>CompleteButton</source>
        <translation>완료</translation>
    </message>
    <message>
        <source>InstallCompleteHeader</source>
        <translation>설치 완료</translation>
    </message>
    <message>
        <source>InstallDriversHeader</source>
        <translation>드라이버 설치 중:</translation>
    </message>
</context>
<context>
    <name>InstallRow</name>
    <message>
        <source>DriverDownloadStatus</source>
        <translation>다운로드 중</translation>
    </message>
    <message>
        <source>DriverInstallCompleteStatus</source>
        <translation>설치됨</translation>
    </message>
    <message>
        <source>DriverInstallErrorStatus</source>
        <translation>실패</translation>
    </message>
    <message>
        <source>DriverInstallStatus</source>
        <translation>설치 중</translation>
    </message>
    <message>
        <source>DriverWaitInLineStatus</source>
        <translation>대기 중</translation>
    </message>
    <message>
        <source>DriverWaitInstallStatus</source>
        <translation>설치 준비됨</translation>
    </message>
    <message>
        <source>Unpacking</source>
        <translation>압축 푸는 중</translation>
    </message>
</context>
<context>
    <name>ModulesList</name>
    <message>
        <source>DBUpdatedAtText</source>
        <translation>드라이버 데이터베이스 업데이트:</translation>
    </message>
</context>
<context>
    <name>NoConnectPanel</name>
    <message>
        <source>NoConnectDesc</source>
        <translation>이 페이지에는 드라이버 서비스가 필요하지만 프로그램을 시작할 때 응답하지 않았습니다. 프로그램을 다시 시작하여 다시 시도하세요.</translation>
    </message>
    <message>
        <source>NoConnectTitle</source>
        <translation>연결 없음</translation>
    </message>
</context>
<context>
    <name>NoSignDriversLayout</name>
    <message>
        <source>DetailButton</source>
        <translation>자세히 알아보기</translation>
    </message>
    <message>
        <source>NoSignContinueButton</source>
        <translation>계속</translation>
    </message>
    <message>
        <source>NoSignEpilog</source>
        <translation>교체되는 모든 드라이버의 사본이 보관되므로 [복원] 페이지에서 언제든지 업데이트를 되돌릴 수 있습니다.</translation>
    </message>
    <message>
        <source>NoSignInfo</source>
        <translation>선택한 드라이버 중 일부는 Microsoft 인증(WHQL)을 받지 않았습니다. 장치 제조업체에서 제공한 드라이버이지만 모든 컴퓨터에서 작동하지 않을 수 있습니다.</translation>
    </message>
    <message>
        <source>NoSignTitle</source>
        <translation>설치하기 전에</translation>
    </message>
</context>
<context>
    <name>PipelineStrip</name>
    <message>
        <source>CompleteStep</source>
        <translation>완료</translation>
    </message>
    <message>
        <source>DownloadInstallStep</source>
        <translation>다운로드 및 설치</translation>
    </message>
    <message>
        <source>ScanningStep</source>
        <translation>검사</translation>
    </message>
    <message>
        <source>SelectStep</source>
        <translation>선택</translation>
    </message>
</context>
<context>
    <name>ProgramsModule</name>
    <message>
        <source>CommandLineProgram</source>
        <translation>명령 프롬프트</translation>
    </message>
    <message>
        <source>ComputerManagementProgram</source>
        <translation>컴퓨터 관리</translation>
    </message>
    <message>
        <source>ControlPanelProgram</source>
        <translation>제어판</translation>
    </message>
    <message>
        <source>DiskManagementProgram</source>
        <translation>디스크 관리</translation>
    </message>
    <message>
        <source>DisplaySettingsProgram</source>
        <translation>디스플레이 설정</translation>
    </message>
    <message>
        <source>NetworkProgram</source>
        <translation>네트워크 연결</translation>
    </message>
    <message>
        <source>PowerSupplyProgram</source>
        <translation>전원 옵션</translation>
    </message>
    <message>
        <source>ProgramsDescription</source>
        <translation>PC 관리에 자주 쓰는 Windows 도구를 여세요.</translation>
    </message>
    <message>
        <source>ProgramsFeaturesProgram</source>
        <translation>프로그램 및 기능</translation>
    </message>
    <message>
        <source>RecoveryProgram</source>
        <translation>복구</translation>
    </message>
    <message>
        <source>SystemProgram</source>
        <translation>시스템</translation>
    </message>
    <message>
        <source>TaskManagerProgram</source>
        <translation>작업 관리자</translation>
    </message>
</context>
<context>
    <name>Qln::AboutModule</name>
    <message>
        <source>AboutTitle</source>
        <translation>정보</translation>
    </message>
</context>
<context>
    <name>Qln::AutorunModule</name>
    <message>
        <source>AutorunTitle</source>
        <translation>자동 검사</translation>
    </message>
</context>
<context>
    <name>Qln::BackupModule</name>
    <message>
        <source>CloudBackupTitle</source>
        <translation>백업</translation>
    </message>
</context>
<context>
    <name>Qln::BackupViewModel</name>
    <message>
        <source>DevMissing</source>
        <translation>장치를 찾을 수 없음</translation>
    </message>
    <message>
        <source>DevNewHardware</source>
        <translation>새 장치</translation>
    </message>
    <message>
        <source>DevNoChange</source>
        <translation>변경 없음</translation>
    </message>
</context>
<context>
    <name>Qln::Cli::Program</name>
    <message>
        <source>BackupCreateTitle</source>
        <translation>백업을 만들었습니다</translation>
    </message>
    <message>
        <source>BackupFromFileText</source>
        <translation>백업 파일:</translation>
    </message>
    <message>
        <source>BackupInstallTitle</source>
        <translation>드라이버 복원 중</translation>
    </message>
    <message>
        <source>BackupInstalledTitle</source>
        <translation>드라이버를 복원했습니다</translation>
    </message>
    <message>
        <source>BackupListTitle</source>
        <translation>드라이버 저장 중:</translation>
    </message>
    <message>
        <source>ConnectErrorHeader</source>
        <translation>드라이버 서비스에 연결되지 않음</translation>
    </message>
    <message>
        <source>CurrentDriver</source>
        <translation>현재 드라이버</translation>
    </message>
    <message>
        <source>DevMissing</source>
        <translation>장치를 찾을 수 없음</translation>
    </message>
    <message>
        <source>DevNewHardware</source>
        <translation>새 장치</translation>
    </message>
    <message>
        <source>DevNoChange</source>
        <translation>변경 없음</translation>
    </message>
    <message>
        <source>DriverDownloadStatus</source>
        <translation>다운로드 중</translation>
    </message>
    <message>
        <source>DriverInstallCompleteStatus</source>
        <translation>설치됨</translation>
    </message>
    <message>
        <source>DriverInstallErrorStatus</source>
        <translation>실패</translation>
    </message>
    <message>
        <source>DriverInstallStatus</source>
        <translation>설치 중</translation>
    </message>
    <message>
        <source>DriverWaitInstallStatus</source>
        <translation>설치 준비됨</translation>
    </message>
    <message>
        <source>EmptyHistoryMessage</source>
        <translation>아직 업데이트된 드라이버가 없습니다.</translation>
    </message>
    <message>
        <source>FindUpdatesHeader</source>
        <translation>업데이트 검색 중</translation>
    </message>
    <message>
        <source>HistoryHeader</source>
        <translation>설치된 드라이버 업데이트</translation>
    </message>
    <message>
        <source>InstallBackup</source>
        <translation>복원 중</translation>
    </message>
    <message>
        <source>InstallBackupError</source>
        <translation>복원 실패</translation>
    </message>
    <message>
        <source>InstallBackupSuccess</source>
        <translation>복원됨</translation>
    </message>
    <message>
        <source>InstallCompleteHeader</source>
        <translation>설치 완료</translation>
    </message>
    <message>
        <source>InstallDriversHeader</source>
        <translation>드라이버 설치 중:</translation>
    </message>
    <message>
        <source>InternetConnectErrorMessage</source>
        <translation>프로그램이 드라이버 서비스에 연결하지 못했습니다. 인터넷 연결을 확인한 후 다시 시도하세요.</translation>
    </message>
    <message>
        <source>NeedRebootSystemMessage</source>
        <translation>드라이버 설치를 완료하려면 컴퓨터를 다시 시작하세요.</translation>
    </message>
    <message>
        <source>NeedRebootSystemTitle</source>
        <translation>다시 시작 필요</translation>
    </message>
    <message>
        <source>NewVersion</source>
        <translation>새 버전</translation>
    </message>
    <message>
        <source>NoBackupDevices</source>
        <translation>드라이버가 백업과 일치합니다. 복원할 항목이 없습니다.</translation>
    </message>
    <message>
        <source>NoSignContinueButton</source>
        <translation>계속</translation>
    </message>
    <message>
        <source>NoSignEpilog</source>
        <translation>교체되는 모든 드라이버의 사본이 보관되므로 [복원] 페이지에서 언제든지 업데이트를 되돌릴 수 있습니다.</translation>
    </message>
    <message>
        <source>NoSignInfo</source>
        <translation>선택한 드라이버 중 일부는 Microsoft 인증(WHQL)을 받지 않았습니다. 장치 제조업체에서 제공한 드라이버이지만 모든 컴퓨터에서 작동하지 않을 수 있습니다.</translation>
    </message>
    <message>
        <source>NoSignTitle</source>
        <translation>설치하기 전에</translation>
    </message>
    <message>
        <source>OldDriverList</source>
        <translation>복원할 드라이버:</translation>
    </message>
    <message>
        <source>Recomended</source>
        <translation>권장</translation>
    </message>
    <message>
        <source>RecoveryEmptyMessage</source>
        <translation>아직 되돌릴 업데이트된 드라이버가 없습니다.</translation>
    </message>
    <message>
        <source>RecoveryHeader</source>
        <translation>되돌릴 수 있는 업데이트된 드라이버</translation>
    </message>
    <message>
        <source>SearchCompleteTitle</source>
        <translation>드라이버가 최신 상태입니다</translation>
    </message>
    <message>
        <source>ServerConnectErrorMessage</source>
        <translation>지금은 드라이버 서비스를 사용할 수 없습니다. 몇 분 후에 다시 시도하세요.</translation>
    </message>
    <message>
        <source>Unpacking</source>
        <translation>압축 푸는 중</translation>
    </message>
    <message>
        <source>UpdatesFoundHeader</source>
        <translation>드라이버 업데이트가 있는 장치:</translation>
    </message>
    <message>
        <source>WaitInstallBackup</source>
        <translation>대기 중</translation>
    </message>
</context>
<context>
    <name>Qln::DeviceScanner</name>
    <message>
        <source>ScanTitle</source>
        <translation>장치 검사 중</translation>
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
        <translation>업데이트 검색 중</translation>
    </message>
</context>
<context>
    <name>Qln::HistoryModule</name>
    <message>
        <source>DownloadHistoryTitle</source>
        <translation>기록</translation>
    </message>
</context>
<context>
    <name>Qln::InstallDriversModule</name>
    <message>
        <source>InstallDriversTitle</source>
        <translation>드라이버 업데이트</translation>
    </message>
</context>
<context>
    <name>Qln::ProgramsModule</name>
    <message>
        <source>ProgramsTitle</source>
        <translation>유용한 프로그램</translation>
    </message>
</context>
<context>
    <name>Qln::RecoveryModule</name>
    <message>
        <source>RecoveryTitle</source>
        <translation>복원</translation>
    </message>
</context>
<context>
    <name>Qln::SettingsModule</name>
    <message>
        <source>SettingsTitle</source>
        <translation>설정</translation>
    </message>
</context>
<context>
    <name>RecoveryModule</name>
    <message>
        <source>InstallBackup</source>
        <translation>복원 중</translation>
    </message>
    <message>
        <source>InstallBackupError</source>
        <translation>복원 실패</translation>
    </message>
    <message>
        <source>InstallBackupSuccess</source>
        <translation>복원됨</translation>
    </message>
    <message>
        <source>RecoveryEmptyMessage</source>
        <translation>아직 되돌릴 업데이트된 드라이버가 없습니다.</translation>
    </message>
    <message>
        <source>RecoveryHeader</source>
        <translation>되돌릴 수 있는 업데이트된 드라이버</translation>
    </message>
    <message>
        <source>RestoreButton</source>
        <translation>복원</translation>
    </message>
    <message>
        <source>Unpacking</source>
        <translation>압축 푸는 중</translation>
    </message>
    <message>
        <source>WaitInstallBackup</source>
        <translation>대기 중</translation>
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
        <translation>메모리</translation>
    </message>
    <message>
        <source>Motherboard</source>
        <translation>메인보드</translation>
    </message>
    <message>
        <source>OS</source>
        <translation>운영 체제</translation>
    </message>
    <message>
        <source>Processor</source>
        <translation>프로세서</translation>
    </message>
    <message>
        <source>SystemInfoTitle</source>
        <translation>시스템 정보</translation>
    </message>
</context>
<context>
    <name>SearchComplete</name>
    <message>
        <source>SearchCompleteDesc</source>
        <translation>장치에 맞는 새 드라이버를 찾지 못했습니다. 정기 검사를 예약하면 새 드라이버를 놓치지 않습니다.</translation>
    </message>
    <message>
        <source>SearchCompleteTitle</source>
        <translation>드라이버가 최신 상태입니다</translation>
    </message>
    <message>
        <source>ToAutorunButton</source>
        <translation>정기 검사 예약</translation>
    </message>
    <message>
        <source>UpdateFinishButton</source>
        <translation>마침</translation>
    </message>
</context>
<context>
    <name>SearchFailed</name>
    <message>
        <source>BackButton</source>
        <translation>뒤로</translation>
    </message>
    <message>
        <source>ConnectErrorHeader</source>
        <translation>드라이버 서비스에 연결되지 않음</translation>
    </message>
    <message>
        <source>RetryButton</source>
        <translation>다시 시도</translation>
    </message>
    <message>
        <source>ServerConnectErrorMessage</source>
        <translation>지금은 드라이버 서비스를 사용할 수 없습니다. 몇 분 후에 다시 시도하세요.</translation>
    </message>
</context>
<context>
    <name>SelectPage</name>
    <message>
        <source>BackButton</source>
        <translation>뒤로</translation>
    </message>
    <message>
        <source>InstallDriversButton</source>
        <translation>설치</translation>
    </message>
    <message>
        <source>RiskLink</source>
        <translation>위험</translation>
    </message>
    <message>
        <source>ScanDifferFooter</source>
        <translation>결과는 드라이버 데이터베이스에 따라 달라질 수 있습니다. 드라이버 업데이트에는 일정한 위험이 따릅니다.</translation>
    </message>
    <message>
        <source>SelectAllCheckbox</source>
        <translation>모두 선택</translation>
    </message>
    <message>
        <source>UpdatesFoundHeader</source>
        <translation>드라이버 업데이트가 있는 장치:</translation>
    </message>
</context>
<context>
    <name>SettingsModule</name>
    <message>
        <source>BrowseButton</source>
        <translation>찾아보기…</translation>
    </message>
    <message>
        <source>ChooseDirDesc</source>
        <translation>다운로드한 드라이버를 저장할 폴더 선택</translation>
    </message>
    <message>
        <source>DefaultSettingsButton</source>
        <translation>기본값 복원</translation>
    </message>
    <message>
        <source>InvalidDirText</source>
        <translation>이 폴더가 없습니다. 있는 폴더를 선택하세요. 그 전까지는 이전 폴더가 유지됩니다.</translation>
    </message>
    <message>
        <source>SaveSettingsButton</source>
        <translation>저장</translation>
    </message>
    <message>
        <source>SettingsDownloadDirHeader</source>
        <translation>다운로드 폴더</translation>
    </message>
    <message>
        <source>SettingsLanguageHeader</source>
        <translation>언어</translation>
    </message>
    <message>
        <source>SettingsOptionsHeader</source>
        <translation>검사</translation>
    </message>
    <message>
        <source>SystemDriverCheck</source>
        <translation>시스템 장치도 검사</translation>
    </message>
    <message>
        <source>UpdatesCheck</source>
        <translation>시작할 때 프로그램 업데이트 확인</translation>
    </message>
</context>
<context>
    <name>SettingsRestartLayout</name>
    <message>
        <source>NeedRestartSettingsMessage</source>
        <translation>새 설정은 프로그램을 다시 시작한 후에 적용됩니다.</translation>
    </message>
    <message>
        <source>NeedRestartSettingsTitle</source>
        <translation>설정이 저장됨</translation>
    </message>
    <message>
        <source>RestartLaterButton</source>
        <translation>나중에</translation>
    </message>
    <message>
        <source>RestartNowButton</source>
        <translation>지금 다시 시작</translation>
    </message>
</context>
<context>
    <name>StartPage</name>
    <message>
        <source>AutoInstallDesc</source>
        <translation>자동으로 다운로드 및 설치</translation>
    </message>
    <message>
        <source>BackupDetailLink</source>
        <translation>백업이란?</translation>
    </message>
    <message>
        <source>CreateBackupCheckBox</source>
        <translation>검사 전에 모든 드라이버 백업</translation>
    </message>
    <message>
        <source>FindNewDesc</source>
        <translation>누락된 드라이버 검색</translation>
    </message>
    <message>
        <source>RegularDesc</source>
        <translation>정기 검사 알림</translation>
    </message>
    <message>
        <source>ScanNowButton</source>
        <translation>지금 검사</translation>
    </message>
    <message>
        <source>StartScanTitle</source>
        <translation>드라이버를 항상 최신 상태로</translation>
    </message>
    <message>
        <source>UpdateOldDesc</source>
        <translation>오래된 드라이버 업데이트</translation>
    </message>
</context>
<context>
    <name>SystemRebootLayout</name>
    <message>
        <source>NeedRebootSystemMessage</source>
        <translation>드라이버 설치를 완료하려면 컴퓨터를 다시 시작하세요.</translation>
    </message>
    <message>
        <source>NeedRebootSystemTitle</source>
        <translation>다시 시작 필요</translation>
    </message>
    <message>
        <source>RebootLaterButton</source>
        <translation>나중에</translation>
    </message>
    <message>
        <source>RebootNowButton</source>
        <translation>지금 다시 시작</translation>
    </message>
</context>
<context>
    <name>TextFieldMenu</name>
    <message>
        <source>CopyMenuItem</source>
        <translation>복사</translation>
    </message>
    <message>
        <source>CutMenuItem</source>
        <translation>잘라내기</translation>
    </message>
    <message>
        <source>PasteMenuItem</source>
        <translation>붙여넣기</translation>
    </message>
    <message>
        <source>SelectAllMenuItem</source>
        <translation>모두 선택</translation>
    </message>
</context>
</TS>
