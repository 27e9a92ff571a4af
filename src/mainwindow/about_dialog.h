#pragma once
// The About box: title, version, and a way to the system-information program.

#include <QDialog>
#include <QString>
#include <cstdint>

#include "mainwindow/servizi.h"

namespace ardenvo {

inline constexpr std::uint32_t HKEY_LOCAL_MACHINE = 0x80000002u;
inline constexpr int kBufferRegistro = 1024;  // bytes a registry value may take

inline const QString kChiaveInfoSistema =
    QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO");
inline const QString kChiavePosizioneStrumenti =
    QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools Location");
inline const QString kInfoSistemaNonDisponibile =
    QStringLiteral("Le informazioni sul sistema non sono attualmente disponibili.");

class frmAbout : public QDialog {
    Q_OBJECT

  public:
    explicit frmAbout(const ServiziForm1& servizi, QWidget* parent = nullptr);

    void Form_Load();  // run by the constructor: caption, version, title
    void cmdOK_Click();
    void cmdSysInfo_Click();
    void StartSysInfo();

    // Reads one value below `KeyRoot` into `KeyVal`; false, with `KeyVal` emptied, when the key
    // or the value cannot be read. A value of neither text nor number type leaves `KeyVal`.
    bool GetKeyValue(std::uint32_t KeyRoot, const QString& KeyName, const QString& SubKeyRef,
                     QString& KeyVal) const;

  private:
    ServiziForm1 servizi_;
};

}  // namespace ardenvo
