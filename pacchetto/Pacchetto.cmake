# The Debian package, made by `cpack -G DEB` in a build folder (./velantra.sh pacchetto):
# velantra_<version>_<arch>.deb installing under /usr. The library dependencies come from
# dpkg-shlibdeps; the desktop registers the entry, the document type and the icons through the dpkg
# triggers of desktop-file-utils, shared-mime-info and hicolor-icon-theme, since every file lies where
# those look.
set(VELANTRA_MANUTENTORE "Sviluppo di Velantra <sviluppo@velantra.it>"
    CACHE STRING "Maintainer of the Debian package")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME velantra)
set(CPACK_PACKAGE_VENDOR "Velantra")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT ${VELANTRA_MANUTENTORE})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "motion of a machine axis with a symmetric trapezoidal speed profile")
set(CPACK_PACKAGE_DESCRIPTION "\
Velantra sizes the motion of a machine axis that accelerates, runs at its regime speed and
decelerates symmetrically. Given three of the eight quantities (S1, S2, Stot, T1, T2, Ttot, A, Vm)
it solves the other five in closed form, shows them, plots the speed V(t) with a collimator, a zoom
and a two-point difference, prints, exports pictures and data, and saves a simulation as a .vla
document. The interface is in Italian.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${VELANTRA_MANUTENTORE})
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://velantra.it/")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Loaded at run time, so dpkg-shlibdeps cannot see them: Qt's own Italian texts for the standard
# dialogs, and the desktop's registries of document types and desktop entries.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n, shared-mime-info, desktop-file-utils")
include(CPack)
