<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hi_IN">
<context>
    <name>AboutModule</name>
    <message>
        <source>AppDescription</source>
        <translation>Quillon Pro आपके कंप्यूटर पर पुराने ड्राइवर ढूँढता है, उनके नवीनतम संस्करण डाउनलोड करता है और उन्हें सुरक्षित रूप से इंस्टॉल करता है। बदले गए हर ड्राइवर की एक प्रति सहेजी जाती है।</translation>
    </message>
    <message>
        <source>ContactLink</source>
        <translation>संपर्क करें</translation>
    </message>
    <message>
        <source>HowDeleteLink</source>
        <translation>अनइंस्टॉल कैसे करें</translation>
    </message>
    <message>
        <source>PolicyLink</source>
        <translation>गोपनीयता नीति</translation>
    </message>
    <message>
        <source>RefundPolicyLink</source>
        <translation>रिफ़ंड नीति</translation>
    </message>
    <message>
        <source>RiskLink</source>
        <translation>जोखिम</translation>
    </message>
    <message>
        <source>UserAgreementLink</source>
        <translation>लाइसेंस अनुबंध</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>संस्करण</translation>
    </message>
</context>
<context>
    <name>AppUpdateView</name>
    <message>
        <source>AppUpdateDescription</source>
        <translation>Quillon Pro का नया संस्करण उपलब्ध है।</translation>
    </message>
    <message>
        <source>AppUpdateError</source>
        <translation>अपडेट डाउनलोड या सत्यापित नहीं किया जा सका। आप फिर से प्रयास कर सकते हैं या इसी संस्करण के साथ जारी रख सकते हैं।</translation>
    </message>
    <message>
        <source>AppUpdateHeader</source>
        <translation>अपडेट उपलब्ध है</translation>
    </message>
    <message>
        <source>AppUpdateProcess</source>
        <translation>अपडेट डाउनलोड हो रहा है…</translation>
    </message>
    <message>
        <source>AppUpdateQuestion</source>
        <translation>क्या इसे अभी डाउनलोड और इंस्टॉल करें?</translation>
    </message>
    <message>
        <source>NoButton</source>
        <translation>अभी नहीं</translation>
    </message>
    <message>
        <source>YesButton</source>
        <translation>हाँ, अपडेट करें</translation>
    </message>
</context>
<context>
    <name>AutorunModule</name>
    <message>
        <source>AutorunEnableCheckBox</source>
        <translation>ड्राइवर जाँचने की याद दिलाएँ</translation>
    </message>
    <message>
        <source>AutosaveStartDesc</source>
        <translation>अगली जाँच: %1, %2 बजे</translation>
    </message>
    <message>
        <source>MonthlySelect</source>
        <translation>हर महीने</translation>
    </message>
    <message>
        <source>SaveButton</source>
        <translation>सहेजें</translation>
    </message>
    <message>
        <source>WeeklySelect</source>
        <translation>हर सप्ताह</translation>
    </message>
</context>
<context>
    <name>BackupModule</name>
    <message>
        <source>BackButton</source>
        <translation>वापस</translation>
    </message>
    <message>
        <source>BackupCreateTitle</source>
        <translation>बैकअप बन गया</translation>
    </message>
    <message>
        <source>BackupFromFileText</source>
        <translation>बैकअप फ़ाइल:</translation>
    </message>
    <message>
        <source>BackupInstallTitle</source>
        <translation>ड्राइवर पुनर्स्थापित हो रहे हैं</translation>
    </message>
    <message>
        <source>BackupInstalledTitle</source>
        <translation>ड्राइवर पुनर्स्थापित हो गए</translation>
    </message>
    <message>
        <source>BackupListTitle</source>
        <translation>ड्राइवर सहेजे जा रहे हैं:</translation>
    </message>
    <message>
        <source>BrowseButton</source>
        <translation>ब्राउज़ करें…</translation>
    </message>
    <message>
        <source>CreateBackupButton</source>
        <translation>बैकअप बनाएँ</translation>
    </message>
    <message>
        <source>DetailButton</source>
        <translation>और जानें</translation>
    </message>
    <message>
        <source>Developer</source>
        <translation>प्रदाता</translation>
    </message>
    <message>
        <source>HowCreateBackupLink</source>
        <translation>बैकअप कैसे बनाएँ</translation>
    </message>
    <message>
        <source>HowUseBackupLink</source>
        <translation>बैकअप से पुनर्स्थापित कैसे करें</translation>
    </message>
    <message>
        <source>InstallBackupButton</source>
        <translation>बैकअप से पुनर्स्थापित करें</translation>
    </message>
    <message>
        <source>InstallDriversButton</source>
        <translation>इंस्टॉल करें</translation>
    </message>
    <message>
        <source>InstalledBackupListTitle</source>
        <translation>पुनर्स्थापित ड्राइवर:</translation>
    </message>
    <message>
        <source>NoBackupDevices</source>
        <translation>आपके ड्राइवर बैकअप से मेल खाते हैं। पुनर्स्थापित करने के लिए कुछ नहीं है।</translation>
    </message>
    <message>
        <source>OldDriverList</source>
        <translation>पुनर्स्थापित करने के लिए ड्राइवर:</translation>
    </message>
    <message>
        <source>SelectAllCheckbox</source>
        <translation>सभी चुनें</translation>
    </message>
    <message>
        <source>ValidDriverList</source>
        <translation>बैकअप में अन्य ड्राइवर:</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>संस्करण</translation>
    </message>
    <message>
        <source>VersionDate</source>
        <translation>दिनांक</translation>
    </message>
    <message>
        <source>WhatIsBackupLink</source>
        <translation>बैकअप क्या है?</translation>
    </message>
</context>
<context>
    <name>CancelButton</name>
    <message>
        <source>CancelButton</source>
        <translation>रद्द करें</translation>
    </message>
</context>
<context>
    <name>ChangeRow</name>
    <message>
        <source>Developer</source>
        <translation>प्रदाता</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>संस्करण</translation>
    </message>
    <message>
        <source>VersionDate</source>
        <translation>दिनांक</translation>
    </message>
</context>
<context>
    <name>CompletionFooter</name>
    <message>
        <source>BackupCompleteButton</source>
        <translation>पूर्ण</translation>
    </message>
    <message>
        <source>BackupCompleteText</source>
        <translation>अब नए ड्राइवरों के लिए अपना कंप्यूटर स्कैन करें।</translation>
    </message>
    <message>
        <source>ScanNowButton</source>
        <translation>अभी स्कैन करें</translation>
    </message>
</context>
<context>
    <name>ConnectErrorView</name>
    <message>
        <source>ConnectErrorHeader</source>
        <translation>ड्राइवर सेवा से कोई कनेक्शन नहीं</translation>
    </message>
    <message>
        <source>InternetConnectErrorMessage</source>
        <translation>प्रोग्राम ड्राइवर सेवा तक नहीं पहुँच सका। अपना इंटरनेट कनेक्शन जाँचें और फिर से प्रयास करें।</translation>
    </message>
    <message>
        <source>RetryButton</source>
        <translation>फिर से प्रयास करें</translation>
    </message>
    <message>
        <source>ServerConnectErrorMessage</source>
        <translation>ड्राइवर सेवा अभी उपलब्ध नहीं है। कृपया कुछ मिनट बाद फिर से प्रयास करें।</translation>
    </message>
</context>
<context>
    <name>DeviceRow</name>
    <message>
        <source>Alternative</source>
        <translation>वैकल्पिक</translation>
    </message>
    <message>
        <source>CandidateCount</source>
        <translation>मिले ड्राइवर: %1</translation>
    </message>
    <message>
        <source>CurrentDriver</source>
        <translation>वर्तमान ड्राइवर</translation>
    </message>
    <message>
        <source>NewVersion</source>
        <translation>नया संस्करण</translation>
    </message>
    <message>
        <source>Recomended</source>
        <translation>अनुशंसित</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>आकार</translation>
    </message>
</context>
<context>
    <name>DriverFacts</name>
    <message>
        <source>Developer</source>
        <translation>प्रदाता</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>संस्करण</translation>
    </message>
    <message>
        <source>VersionDate</source>
        <translation>दिनांक</translation>
    </message>
</context>
<context>
    <name>DriverList</name>
    <message>
        <source>DriverDownloadStatus</source>
        <translation>डाउनलोड हो रहा है</translation>
    </message>
    <message>
        <source>DriverInstallCompleteStatus</source>
        <translation>इंस्टॉल हो गया</translation>
    </message>
    <message>
        <source>DriverInstallErrorStatus</source>
        <translation>विफल</translation>
    </message>
    <message>
        <source>DriverInstallStatus</source>
        <translation>इंस्टॉल हो रहा है</translation>
    </message>
    <message>
        <source>DriverWaitInLineStatus</source>
        <translation>कतार में</translation>
    </message>
    <message>
        <source>DriverWaitInstallStatus</source>
        <translation>इंस्टॉल के लिए तैयार</translation>
    </message>
    <message>
        <source>Unpacking</source>
        <translation>अनपैक हो रहा है</translation>
    </message>
</context>
<context>
    <name>HistoryModule</name>
    <message>
        <source>EmptyHistoryMessage</source>
        <translation>अभी तक कोई ड्राइवर अपडेट नहीं किया गया है।</translation>
    </message>
    <message>
        <source>HistoryHeader</source>
        <translation>इंस्टॉल किए गए ड्राइवर अपडेट</translation>
    </message>
</context>
<context>
    <name>InitView</name>
    <message>
        <source>AppInitializationText</source>
        <translation>तैयारी: सिस्टम की जाँच और ड्राइवर सेवा से कनेक्ट किया जा रहा है…</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>संस्करण</translation>
    </message>
</context>
<context>
    <name>InstallPage</name>
    <message>
        <source>CompleteButton</source>
        <translation>पूर्ण</translation>
    </message>
    <message>
        <source>InstallCompleteHeader</source>
        <translation>इंस्टॉलेशन पूर्ण</translation>
    </message>
    <message>
        <source>InstallDriversHeader</source>
        <translation>ड्राइवर इंस्टॉल हो रहे हैं:</translation>
    </message>
</context>
<context>
    <name>InstallRow</name>
    <message>
        <source>DriverDownloadStatus</source>
        <translation>डाउनलोड हो रहा है</translation>
    </message>
    <message>
        <source>DriverInstallCompleteStatus</source>
        <translation>इंस्टॉल हो गया</translation>
    </message>
    <message>
        <source>DriverInstallErrorStatus</source>
        <translation>विफल</translation>
    </message>
    <message>
        <source>DriverInstallStatus</source>
        <translation>इंस्टॉल हो रहा है</translation>
    </message>
    <message>
        <source>DriverWaitInLineStatus</source>
        <translation>कतार में</translation>
    </message>
    <message>
        <source>DriverWaitInstallStatus</source>
        <translation>इंस्टॉल के लिए तैयार</translation>
    </message>
    <message>
        <source>Unpacking</source>
        <translation>अनपैक हो रहा है</translation>
    </message>
</context>
<context>
    <name>ModulesList</name>
    <message>
        <source>DBUpdatedAtText</source>
        <translation>ड्राइवर डेटाबेस अपडेट किया गया:</translation>
    </message>
</context>
<context>
    <name>NoConnectPanel</name>
    <message>
        <source>NoConnectDesc</source>
        <translation>इस पेज को ड्राइवर सेवा चाहिए, जिसने प्रोग्राम शुरू होने पर जवाब नहीं दिया। फिर से प्रयास करने के लिए प्रोग्राम पुनरारंभ करें।</translation>
    </message>
    <message>
        <source>NoConnectTitle</source>
        <translation>कोई कनेक्शन नहीं</translation>
    </message>
</context>
<context>
    <name>NoSignDriversLayout</name>
    <message>
        <source>DetailButton</source>
        <translation>और जानें</translation>
    </message>
    <message>
        <source>NoSignContinueButton</source>
        <translation>जारी रखें</translation>
    </message>
    <message>
        <source>NoSignEpilog</source>
        <translation>बदले गए हर ड्राइवर की एक प्रति सहेजी जाती है, इसलिए आप पुनर्स्थापना पेज पर किसी भी अपडेट को वापस ले सकते हैं।</translation>
    </message>
    <message>
        <source>NoSignInfo</source>
        <translation>चुने गए कुछ ड्राइवर Microsoft (WHQL) द्वारा प्रमाणित नहीं हैं। ये डिवाइस निर्माताओं के ड्राइवर हैं, लेकिन हो सकता है कि ये हर कंप्यूटर पर काम न करें।</translation>
    </message>
    <message>
        <source>NoSignTitle</source>
        <translation>इंस्टॉल करने से पहले</translation>
    </message>
</context>
<context>
    <name>PipelineStrip</name>
    <message>
        <source>CompleteStep</source>
        <translation>पूर्ण</translation>
    </message>
    <message>
        <source>DownloadInstallStep</source>
        <translation>डाउनलोड और इंस्टॉल</translation>
    </message>
    <message>
        <source>ScanningStep</source>
        <translation>स्कैन</translation>
    </message>
    <message>
        <source>SelectStep</source>
        <translation>चयन</translation>
    </message>
</context>
<context>
    <name>ProgramsModule</name>
    <message>
        <source>CommandLineProgram</source>
        <translation>कमांड प्रॉम्प्ट</translation>
    </message>
    <message>
        <source>ComputerManagementProgram</source>
        <translation>कंप्यूटर प्रबंधन</translation>
    </message>
    <message>
        <source>ControlPanelProgram</source>
        <translation>कंट्रोल पैनल</translation>
    </message>
    <message>
        <source>DiskManagementProgram</source>
        <translation>डिस्क प्रबंधन</translation>
    </message>
    <message>
        <source>DisplaySettingsProgram</source>
        <translation>डिस्प्ले सेटिंग्स</translation>
    </message>
    <message>
        <source>NetworkProgram</source>
        <translation>नेटवर्क कनेक्शन</translation>
    </message>
    <message>
        <source>PowerSupplyProgram</source>
        <translation>पावर विकल्प</translation>
    </message>
    <message>
        <source>ProgramsDescription</source>
        <translation>अपने PC की देखभाल के लिए सबसे ज़्यादा काम आने वाले Windows टूल खोलें।</translation>
    </message>
    <message>
        <source>ProgramsFeaturesProgram</source>
        <translation>प्रोग्राम और सुविधाएँ</translation>
    </message>
    <message>
        <source>RecoveryProgram</source>
        <translation>पुनर्प्राप्ति</translation>
    </message>
    <message>
        <source>SystemProgram</source>
        <translation>सिस्टम</translation>
    </message>
    <message>
        <source>TaskManagerProgram</source>
        <translation>कार्य प्रबंधक</translation>
    </message>
</context>
<context>
    <name>Qln::AboutModule</name>
    <message>
        <source>AboutTitle</source>
        <translation>परिचय</translation>
    </message>
</context>
<context>
    <name>Qln::AutorunModule</name>
    <message>
        <source>AutorunTitle</source>
        <translation>शेड्यूल</translation>
    </message>
</context>
<context>
    <name>Qln::BackupModule</name>
    <message>
        <source>CloudBackupTitle</source>
        <translation>बैकअप</translation>
    </message>
</context>
<context>
    <name>Qln::BackupViewModel</name>
    <message>
        <source>DevMissing</source>
        <translation>डिवाइस नहीं मिला</translation>
    </message>
    <message>
        <source>DevNewHardware</source>
        <translation>नया डिवाइस</translation>
    </message>
    <message>
        <source>DevNoChange</source>
        <translation>अपरिवर्तित</translation>
    </message>
</context>
<context>
    <name>Qln::Cli::Program</name>
    <message>
        <source>BackupCreateTitle</source>
        <translation>बैकअप बन गया</translation>
    </message>
    <message>
        <source>BackupFromFileText</source>
        <translation>बैकअप फ़ाइल:</translation>
    </message>
    <message>
        <source>BackupInstallTitle</source>
        <translation>ड्राइवर पुनर्स्थापित हो रहे हैं</translation>
    </message>
    <message>
        <source>BackupInstalledTitle</source>
        <translation>ड्राइवर पुनर्स्थापित हो गए</translation>
    </message>
    <message>
        <source>BackupListTitle</source>
        <translation>ड्राइवर सहेजे जा रहे हैं:</translation>
    </message>
    <message>
        <source>ConnectErrorHeader</source>
        <translation>ड्राइवर सेवा से कोई कनेक्शन नहीं</translation>
    </message>
    <message>
        <source>CurrentDriver</source>
        <translation>वर्तमान ड्राइवर</translation>
    </message>
    <message>
        <source>DevMissing</source>
        <translation>डिवाइस नहीं मिला</translation>
    </message>
    <message>
        <source>DevNewHardware</source>
        <translation>नया डिवाइस</translation>
    </message>
    <message>
        <source>DevNoChange</source>
        <translation>अपरिवर्तित</translation>
    </message>
    <message>
        <source>DriverDownloadStatus</source>
        <translation>डाउनलोड हो रहा है</translation>
    </message>
    <message>
        <source>DriverInstallCompleteStatus</source>
        <translation>इंस्टॉल हो गया</translation>
    </message>
    <message>
        <source>DriverInstallErrorStatus</source>
        <translation>विफल</translation>
    </message>
    <message>
        <source>DriverInstallStatus</source>
        <translation>इंस्टॉल हो रहा है</translation>
    </message>
    <message>
        <source>DriverWaitInstallStatus</source>
        <translation>इंस्टॉल के लिए तैयार</translation>
    </message>
    <message>
        <source>EmptyHistoryMessage</source>
        <translation>अभी तक कोई ड्राइवर अपडेट नहीं किया गया है।</translation>
    </message>
    <message>
        <source>FindUpdatesHeader</source>
        <translation>अपडेट खोजे जा रहे हैं</translation>
    </message>
    <message>
        <source>HistoryHeader</source>
        <translation>इंस्टॉल किए गए ड्राइवर अपडेट</translation>
    </message>
    <message>
        <source>InstallBackup</source>
        <translation>पुनर्स्थापित हो रहा है</translation>
    </message>
    <message>
        <source>InstallBackupError</source>
        <translation>पुनर्स्थापना विफल</translation>
    </message>
    <message>
        <source>InstallBackupSuccess</source>
        <translation>पुनर्स्थापित</translation>
    </message>
    <message>
        <source>InstallCompleteHeader</source>
        <translation>इंस्टॉलेशन पूर्ण</translation>
    </message>
    <message>
        <source>InstallDriversHeader</source>
        <translation>ड्राइवर इंस्टॉल हो रहे हैं:</translation>
    </message>
    <message>
        <source>InternetConnectErrorMessage</source>
        <translation>प्रोग्राम ड्राइवर सेवा तक नहीं पहुँच सका। अपना इंटरनेट कनेक्शन जाँचें और फिर से प्रयास करें।</translation>
    </message>
    <message>
        <source>NeedRebootSystemMessage</source>
        <translation>ड्राइवर इंस्टॉलेशन पूरा करने के लिए अपना कंप्यूटर पुनरारंभ करें।</translation>
    </message>
    <message>
        <source>NeedRebootSystemTitle</source>
        <translation>पुनरारंभ आवश्यक है</translation>
    </message>
    <message>
        <source>NewVersion</source>
        <translation>नया संस्करण</translation>
    </message>
    <message>
        <source>NoBackupDevices</source>
        <translation>आपके ड्राइवर बैकअप से मेल खाते हैं। पुनर्स्थापित करने के लिए कुछ नहीं है।</translation>
    </message>
    <message>
        <source>NoSignContinueButton</source>
        <translation>जारी रखें</translation>
    </message>
    <message>
        <source>NoSignEpilog</source>
        <translation>बदले गए हर ड्राइवर की एक प्रति सहेजी जाती है, इसलिए आप पुनर्स्थापना पेज पर किसी भी अपडेट को वापस ले सकते हैं।</translation>
    </message>
    <message>
        <source>NoSignInfo</source>
        <translation>चुने गए कुछ ड्राइवर Microsoft (WHQL) द्वारा प्रमाणित नहीं हैं। ये डिवाइस निर्माताओं के ड्राइवर हैं, लेकिन हो सकता है कि ये हर कंप्यूटर पर काम न करें।</translation>
    </message>
    <message>
        <source>NoSignTitle</source>
        <translation>इंस्टॉल करने से पहले</translation>
    </message>
    <message>
        <source>OldDriverList</source>
        <translation>पुनर्स्थापित करने के लिए ड्राइवर:</translation>
    </message>
    <message>
        <source>Recomended</source>
        <translation>अनुशंसित</translation>
    </message>
    <message>
        <source>RecoveryEmptyMessage</source>
        <translation>वापस लेने के लिए अभी कोई अपडेट किया गया ड्राइवर नहीं है।</translation>
    </message>
    <message>
        <source>RecoveryHeader</source>
        <translation>अपडेट किए गए ड्राइवर जिन्हें आप वापस ले सकते हैं</translation>
    </message>
    <message>
        <source>SearchCompleteTitle</source>
        <translation>आपके ड्राइवर अप-टू-डेट हैं</translation>
    </message>
    <message>
        <source>ServerConnectErrorMessage</source>
        <translation>ड्राइवर सेवा अभी उपलब्ध नहीं है। कृपया कुछ मिनट बाद फिर से प्रयास करें।</translation>
    </message>
    <message>
        <source>Unpacking</source>
        <translation>अनपैक हो रहा है</translation>
    </message>
    <message>
        <source>UpdatesFoundHeader</source>
        <translation>ड्राइवर अपडेट वाले डिवाइस:</translation>
    </message>
    <message>
        <source>WaitInstallBackup</source>
        <translation>प्रतीक्षा में</translation>
    </message>
</context>
<context>
    <name>Qln::DeviceScanner</name>
    <message>
        <source>ScanTitle</source>
        <translation>डिवाइस स्कैन हो रहे हैं</translation>
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
        <translation>अपडेट खोजे जा रहे हैं</translation>
    </message>
</context>
<context>
    <name>Qln::HistoryModule</name>
    <message>
        <source>DownloadHistoryTitle</source>
        <translation>इतिहास</translation>
    </message>
</context>
<context>
    <name>Qln::InstallDriversModule</name>
    <message>
        <source>InstallDriversTitle</source>
        <translation>ड्राइवर अपडेट</translation>
    </message>
</context>
<context>
    <name>Qln::ProgramsModule</name>
    <message>
        <source>ProgramsTitle</source>
        <translation>उपयोगी प्रोग्राम</translation>
    </message>
</context>
<context>
    <name>Qln::RecoveryModule</name>
    <message>
        <source>RecoveryTitle</source>
        <translation>पुनर्स्थापना</translation>
    </message>
</context>
<context>
    <name>Qln::SettingsModule</name>
    <message>
        <source>SettingsTitle</source>
        <translation>सेटिंग्स</translation>
    </message>
</context>
<context>
    <name>RecoveryModule</name>
    <message>
        <source>InstallBackup</source>
        <translation>पुनर्स्थापित हो रहा है</translation>
    </message>
    <message>
        <source>InstallBackupError</source>
        <translation>पुनर्स्थापना विफल</translation>
    </message>
    <message>
        <source>InstallBackupSuccess</source>
        <translation>पुनर्स्थापित</translation>
    </message>
    <message>
        <source>RecoveryEmptyMessage</source>
        <translation>वापस लेने के लिए अभी कोई अपडेट किया गया ड्राइवर नहीं है।</translation>
    </message>
    <message>
        <source>RecoveryHeader</source>
        <translation>अपडेट किए गए ड्राइवर जिन्हें आप वापस ले सकते हैं</translation>
    </message>
    <message>
        <source>RestoreButton</source>
        <translation>पुनर्स्थापित करें</translation>
    </message>
    <message>
        <source>Unpacking</source>
        <translation>अनपैक हो रहा है</translation>
    </message>
    <message>
        <source>WaitInstallBackup</source>
        <translation>प्रतीक्षा में</translation>
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
        <translation>मेमोरी</translation>
    </message>
    <message>
        <source>Motherboard</source>
        <translation>मदरबोर्ड</translation>
    </message>
    <message>
        <source>OS</source>
        <translation>ऑपरेटिंग सिस्टम</translation>
    </message>
    <message>
        <source>Processor</source>
        <translation>प्रोसेसर</translation>
    </message>
    <message>
        <source>SystemInfoTitle</source>
        <translation>सिस्टम जानकारी</translation>
    </message>
</context>
<context>
    <name>SearchComplete</name>
    <message>
        <source>SearchCompleteDesc</source>
        <translation>आपके डिवाइसों के लिए कोई नया ड्राइवर नहीं मिला। नियमित जाँच शेड्यूल करें ताकि कोई नया ड्राइवर न छूटे।</translation>
    </message>
    <message>
        <source>SearchCompleteTitle</source>
        <translation>आपके ड्राइवर अप-टू-डेट हैं</translation>
    </message>
    <message>
        <source>ToAutorunButton</source>
        <translation>जाँच शेड्यूल करें</translation>
    </message>
    <message>
        <source>UpdateFinishButton</source>
        <translation>समाप्त करें</translation>
    </message>
</context>
<context>
    <name>SearchFailed</name>
    <message>
        <source>BackButton</source>
        <translation>वापस</translation>
    </message>
    <message>
        <source>ConnectErrorHeader</source>
        <translation>ड्राइवर सेवा से कोई कनेक्शन नहीं</translation>
    </message>
    <message>
        <source>RetryButton</source>
        <translation>फिर से प्रयास करें</translation>
    </message>
    <message>
        <source>ServerConnectErrorMessage</source>
        <translation>ड्राइवर सेवा अभी उपलब्ध नहीं है। कृपया कुछ मिनट बाद फिर से प्रयास करें।</translation>
    </message>
</context>
<context>
    <name>SelectPage</name>
    <message>
        <source>BackButton</source>
        <translation>वापस</translation>
    </message>
    <message>
        <source>InstallDriversButton</source>
        <translation>इंस्टॉल करें</translation>
    </message>
    <message>
        <source>RiskLink</source>
        <translation>जोखिम</translation>
    </message>
    <message>
        <source>ScanDifferFooter</source>
        <translation>परिणाम ड्राइवर डेटाबेस पर निर्भर करते हैं और समय के साथ बदल सकते हैं। ड्राइवर अपडेट करने में कुछ जोखिम होता है।</translation>
    </message>
    <message>
        <source>SelectAllCheckbox</source>
        <translation>सभी चुनें</translation>
    </message>
    <message>
        <source>UpdatesFoundHeader</source>
        <translation>ड्राइवर अपडेट वाले डिवाइस:</translation>
    </message>
</context>
<context>
    <name>SettingsModule</name>
    <message>
        <source>BrowseButton</source>
        <translation>ब्राउज़ करें…</translation>
    </message>
    <message>
        <source>ChooseDirDesc</source>
        <translation>डाउनलोड किए गए ड्राइवरों के लिए फ़ोल्डर चुनें</translation>
    </message>
    <message>
        <source>DefaultSettingsButton</source>
        <translation>डिफ़ॉल्ट पुनर्स्थापित करें</translation>
    </message>
    <message>
        <source>InvalidDirText</source>
        <translation>यह फ़ोल्डर मौजूद नहीं है। कोई मौजूदा फ़ोल्डर चुनें; तब तक पिछला फ़ोल्डर रखा जाएगा।</translation>
    </message>
    <message>
        <source>SaveSettingsButton</source>
        <translation>सहेजें</translation>
    </message>
    <message>
        <source>SettingsDownloadDirHeader</source>
        <translation>डाउनलोड फ़ोल्डर</translation>
    </message>
    <message>
        <source>SettingsLanguageHeader</source>
        <translation>भाषा</translation>
    </message>
    <message>
        <source>SettingsOptionsHeader</source>
        <translation>जाँच</translation>
    </message>
    <message>
        <source>SystemDriverCheck</source>
        <translation>स्कैन में सिस्टम डिवाइस शामिल करें</translation>
    </message>
    <message>
        <source>UpdatesCheck</source>
        <translation>प्रारंभ पर प्रोग्राम अपडेट की जाँच करें</translation>
    </message>
</context>
<context>
    <name>SettingsRestartLayout</name>
    <message>
        <source>NeedRestartSettingsMessage</source>
        <translation>नई सेटिंग्स प्रोग्राम को पुनरारंभ करने के बाद लागू होंगी।</translation>
    </message>
    <message>
        <source>NeedRestartSettingsTitle</source>
        <translation>सेटिंग्स सहेजी गईं</translation>
    </message>
    <message>
        <source>RestartLaterButton</source>
        <translation>बाद में</translation>
    </message>
    <message>
        <source>RestartNowButton</source>
        <translation>अभी पुनरारंभ करें</translation>
    </message>
</context>
<context>
    <name>StartPage</name>
    <message>
        <source>AutoInstallDesc</source>
        <translation>उन्हें अपने आप डाउनलोड और इंस्टॉल करता है</translation>
    </message>
    <message>
        <source>BackupDetailLink</source>
        <translation>बैकअप क्या है?</translation>
    </message>
    <message>
        <source>CreateBackupCheckBox</source>
        <translation>स्कैन से पहले सभी ड्राइवरों का बैकअप लें</translation>
    </message>
    <message>
        <source>FindNewDesc</source>
        <translation>गुम ड्राइवर ढूँढता है</translation>
    </message>
    <message>
        <source>RegularDesc</source>
        <translation>नियमित जाँच की याद दिलाता है</translation>
    </message>
    <message>
        <source>ScanNowButton</source>
        <translation>अभी स्कैन करें</translation>
    </message>
    <message>
        <source>StartScanTitle</source>
        <translation>अपने ड्राइवर अप-टू-डेट रखें</translation>
    </message>
    <message>
        <source>UpdateOldDesc</source>
        <translation>पुराने ड्राइवर अपडेट करता है</translation>
    </message>
</context>
<context>
    <name>SystemRebootLayout</name>
    <message>
        <source>NeedRebootSystemMessage</source>
        <translation>ड्राइवर इंस्टॉलेशन पूरा करने के लिए अपना कंप्यूटर पुनरारंभ करें।</translation>
    </message>
    <message>
        <source>NeedRebootSystemTitle</source>
        <translation>पुनरारंभ आवश्यक है</translation>
    </message>
    <message>
        <source>RebootLaterButton</source>
        <translation>बाद में</translation>
    </message>
    <message>
        <source>RebootNowButton</source>
        <translation>अभी पुनरारंभ करें</translation>
    </message>
</context>
<context>
    <name>TextFieldMenu</name>
    <message>
        <source>CopyMenuItem</source>
        <translation>कॉपी करें</translation>
    </message>
    <message>
        <source>CutMenuItem</source>
        <translation>काटें</translation>
    </message>
    <message>
        <source>PasteMenuItem</source>
        <translation>चिपकाएँ</translation>
    </message>
    <message>
        <source>SelectAllMenuItem</source>
        <translation>सभी चुनें</translation>
    </message>
</context>
</TS>
