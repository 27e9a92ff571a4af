#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QPushButton>
#include <QTemporaryDir>

#include "mainwindow/about_dialog.h"
#include "mainwindow/servizi_finti.h"
#include "mainwindow/servizi_sistema.h"

namespace ardenvo {
namespace {

// The file dialog as the file commands set it up, answered by a typed name without being shown:
// a name without an extension opens the file of that very name, and saves with the extension.
TEST(DialogoFile, OnlySavingAddsTheExtensionToATypedName) {
    QTemporaryDir cartella;
    for (const char* nome : {"orario", "orario.vkd"}) {
        QFile file(cartella.filePath(nome));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    // Whether it saves, the name typed, the file chosen.
    const std::tuple<bool, QString, QString> casi[] = {
        {false, "orario", "orario"},           {false, "orario.vkd", "orario.vkd"},
        {false, "/etc/passwd", "/etc/passwd"}, {false, "giorno", "giorno"},
        {true, "giorno", "giorno.vkz"},        {true, "giorno.vkz", "giorno.vkz"},
        {true, "giorno.bak", "giorno.bak"},
    };
    for (const auto& [salva, scritto, scelto] : casi) {
        const bool orario = scritto.startsWith("orario");
        QFileDialog dialogo(nullptr, QString(), cartella.path());
        ImpostaDialogoFile(
            dialogo,
            orario ? "File Ardenvo (*.vkd) |*.vkd" : "File Salvattaggio di VKD (*.vkz) |*.vkz",
            salva);
        dialogo.selectFile(scritto);
        EXPECT_EQ(dialogo.selectedFiles(), QStringList{QDir(cartella.path()).filePath(scelto)})
            << scritto.toStdString() << " " << salva;
        EXPECT_EQ(dialogo.nameFilters(), QStringList{orario ? "File Ardenvo (*.vkd)"
                                                            : "File Salvattaggio di VKD (*.vkz)"});
    }
}

// The system's own registry, which reads nothing but PATH: "System Info..." starts the first
// system-information program found on PATH, and says so when there is none, when it does not start,
// or when its path is longer than the 1024 bytes the About box reads.
TEST(AboutBox, SystemInfoStartsTheProgramFoundOnPathOrSaysItCannot) {
    QTemporaryDir cartella;
    QString lunga = cartella.path();
    for (char c : {'a', 'b', 'c', 'd', 'e'}) lunga += "/" + QString(210, QLatin1Char(c));
    for (const QString& dove : {cartella.path(), lunga}) {
        QDir().mkpath(dove);
        QFile programma(dove + "/hardinfo");
        ASSERT_TRUE(programma.open(QIODevice::WriteOnly));
        programma.setPermissions(QFile::ReadOwner | QFile::ExeOwner);
    }
    const QString programma = cartella.filePath("hardinfo");
    const QByteArray path = qgetenv("PATH");
    RegistroSistema sistema;
    // PATH, whether the program starts, what is started.
    const std::tuple<QString, bool, QStringList> casi[] = {
        {cartella.path(), true, {programma}},
        {cartella.path(), false, {programma}},
        {cartella.filePath("nessuna"), true, {}},
        {lunga, true, {}},
    };
    for (const auto& [cerca, parte, avviati] : casi) {
        qputenv("PATH", QFile::encodeName(cerca));
        BancoProva b;
        if (parte) b.avvio.avviabili = {programma};
        frmAbout(b.Servizi(sistema)).findChild<QPushButton*>("cmdSysInfo")->click();
        EXPECT_EQ(b.avvio.avviati, avviati);
        EXPECT_EQ(b.messaggi.mostrati, avviati.isEmpty() || !parte
                                           ? QStringList{kInfoSistemaNonDisponibile}
                                           : QStringList{});
    }
    qputenv("PATH", path);
    // What cannot be read leaves nothing behind in the text meant to hold it.
    BancoProva b;
    QString letto = "prima";
    EXPECT_FALSE(frmAbout(b.Servizi(sistema))
                     .GetKeyValue(HKEY_LOCAL_MACHINE, kChiavePosizioneStrumenti, "MSINFO", letto));
    EXPECT_EQ(letto, "");
}

}  // namespace
}  // namespace ardenvo
