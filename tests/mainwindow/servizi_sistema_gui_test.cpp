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
    const QString cartella = QDir::tempPath();
    // Whether it saves, the filter, the name typed, the file chosen.
    const std::tuple<bool, QString, QString, QString> casi[] = {
        {false, "File Ardenvo (*.vkd) |*.vkd", "orario", "orario"},
        {true, "File Salvattaggio di VKD (*.vkz) |*.vkz", "giorno", "giorno.vkz"},
    };
    for (const auto& [salva, filtro, scritto, scelto] : casi) {
        QFileDialog dialogo(nullptr, QString(), cartella);
        ImpostaDialogoFile(dialogo, filtro, salva);
        dialogo.selectFile(scritto);
        EXPECT_EQ(dialogo.selectedFiles(), QStringList{QDir(cartella).filePath(scelto)});
        EXPECT_EQ(dialogo.nameFilters(), QStringList{filtro.section(" |", 0, 0)});
    }
}

// There is no registry here: "System Info..." starts the first system-information program
// found on PATH, and says so when there is none or it does not start.
TEST(AboutBox, SystemInfoStartsTheProgramFoundOnPathOrSaysItCannot) {
    QTemporaryDir cartella;
    const QString programma = cartella.filePath("hardinfo");
    QFile file(programma);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.setPermissions(QFile::ReadOwner | QFile::ExeOwner);
    const QByteArray path = qgetenv("PATH");
    // Whether the program is on PATH, whether it starts.
    const std::pair<bool, bool> casi[] = {{true, true}, {true, false}, {false, true}};
    for (const auto& [presente, parte] : casi) {
        qputenv("PATH", QFile::encodeName(presente ? cartella.path() : cartella.filePath("no")));
        BancoProva b;
        b.avvio.riesce = parte;
        frmAbout(b.Servizi()).findChild<QPushButton*>("cmdSysInfo")->click();
        EXPECT_EQ(b.avvio.avviati, presente ? QStringList{programma} : QStringList{});
        EXPECT_EQ(b.messaggi.mostrati,
                  presente && parte ? QStringList{} : QStringList{kInfoSistemaNonDisponibile});
    }
    qputenv("PATH", path);
}

}  // namespace
}  // namespace ardenvo
