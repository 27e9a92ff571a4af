#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QTemporaryDir>

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

}  // namespace
}  // namespace ardenvo
