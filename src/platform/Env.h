#pragma once
#include <QString>

// What the program reads from the workstation it runs on.
namespace vlm::env {

QString userName();      // USERNAME, else USER, else the account name
QString computerName();  // COMPUTERNAME, else the host name
QString tempDir();       // VLM_TEMP_DIR, else the system temp folder (C:\temp on Windows)
QString exportDir();     // VLM_EXPORT_DIR, else a folder under the user's documents (C:\Temp1 on Windows)
QString mailClient();    // VLM_MAIL_CLIENT, else msmtp from PATH
QString reportDir();     // VLM_REPORT_DIR, empty when unset

}  // namespace vlm::env
