# Run by cpack alone (CPACK_INSTALL_SCRIPTS) while it stages the package:
# adds the Debian copyright and changelog to the documentation folder, and
# the package's lintian overrides where lintian looks for them. file(INSTALL)
# puts them under the staging folder (DESTDIR) itself.
file(INSTALL ${CPACK_POMELO_DEBIAN_DOCS}
    DESTINATION ${CPACK_PACKAGING_INSTALL_PREFIX}/${CPACK_POMELO_DOCDIR}
    FILE_PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
file(INSTALL ${CPACK_POMELO_LINTIAN_OVERRIDES}
    DESTINATION ${CPACK_PACKAGING_INSTALL_PREFIX}/${CPACK_POMELO_DATADIR}/lintian/overrides
    RENAME pomelo
    FILE_PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
