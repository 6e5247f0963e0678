#pragma once

#include <QString>

// The wallpaper setting: the full path of the main window's background picture, "" for none, kept
// per user under application "ZORVA", section and key "TAPIZ".
namespace tapiz {

inline constexpr char kOrganizacion[] = "Vereduda";
inline constexpr char kAplicacion[] = "ZORVA";

QString lee();
void guarda(const QString& ruta);

} // namespace tapiz
