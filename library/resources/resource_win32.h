/* Resource ids of the Win32 workstation build: its three dialog templates,
 * their controls and its button pictures.  Included by rilo_win32.rc and,
 * through resource.h, by the dialog code of that build; numbers only. */
#ifndef RILO_RESOURCE_WIN32_H
#define RILO_RESOURCE_WIN32_H

/* Dialog templates. */
#define IDD_DLG_SHORT32             20000   /* display dialog */
#define IDD_DLG_LIST32              20005   /* list-input dialog */
#define IDD_DLG_GUESTFUNC32         20014   /* guest-functions dialog */

/* Display dialog (template 20000); its title is the window caption. */
#define IDC_SHORT_LINES             20005
#define IDC_SHORT_EXIT              20020   /* ends with 0 */
#define IDC_SHORT_BACK              20026   /* ends with 1 */
#define IDC_SHORT_PRINT             20028   /* ends with 2 */
#define IDC_SHORT_PAGEDOWN          20030
#define IDC_SHORT_PAGEUP            20035

/* List-input dialog (template 20005). */
#define IDC_LIST_ITEMS              20006
#define IDC_LIST_TITLE              20007
#define IDC_LIST_LINEDOWN           20029
#define IDC_LIST_PAGEDOWN           20030
#define IDC_LIST_END                20031
#define IDC_LIST_OK                 20032   /* ends with the chosen item */
#define IDC_LIST_ABORT              20033   /* ends with 0 */
#define IDC_LIST_LINEUP             20034
#define IDC_LIST_PAGEUP             20035
#define IDC_LIST_HOME               20036

/* Guest-functions dialog (template 20014): two text lines, no list. */
#define IDC_GUEST_MESSAGE_IND       20012   /* "Guest has a Message" */
#define IDC_GUEST_EXIT              20020   /* ends with 0 */
#define IDC_GUEST_TITLE             20021   /* "Guest Selected", replaced by the title */
#define IDC_GUEST_MESSAGE_ICON      20022   /* shows IDB_W32_MESSAGE */
#define IDC_GUEST_LINE1             20023   /* the column heading, on yellow */
#define IDC_GUEST_LINE2             20024   /* the guest's line, on green */
#define IDC_GUEST_LOCATOR_IND       20025   /* "Guest has a Locator" */
#define IDC_GUEST_RESERVATION       20030   /* ends with 1 */
#define IDC_GUEST_DETAILS           20031   /* ends with 2 */
#define IDC_GUEST_MESSAGES          20032   /* ends with 3 */
#define IDC_GUEST_LOCATOR           20033   /* ends with 4 */
#define IDC_GUEST_ENTER_MESSAGE     20034   /* ends with 5 */
#define IDC_GUEST_ENTER_LOCATOR     20035   /* ends with 6 */

/* Pictures. */
#define IDB_W32_MESSAGE             20021   /* 16x16 */
#define IDB_W32_BACK                20022   /* 33x32 */
#define IDB_W32_EXIT                20023   /* 21x24 */
#define IDB_W32_PRINT               20024   /* 32x31 */
#define IDB_W32_LINEDOWN            20025   /* 33x33 */
#define IDB_W32_PAGEDOWN            20026   /* 33x35 */
#define IDB_W32_END                 20027   /* 33x35 */
#define IDB_W32_OK                  20028   /* 30x28 */
#define IDB_W32_ABORT               20029   /* 32x30 */
#define IDB_W32_LINEUP              20030   /* 33x32 */
#define IDB_W32_PAGEUP              20031   /* 33x35 */
#define IDB_W32_HOME                20032   /* 33x35 */
#define IDB_W32_RESERVATION         20033   /* 32x33 */
#define IDB_W32_GUEST_DETAILS       20034   /* 33x33 */
#define IDB_W32_GUEST_MESSAGES      20035   /* 35x34 */
#define IDB_W32_GUEST_LOCATOR       20036   /* 31x33 */
#define IDB_W32_ENTER_MESSAGE       20037   /* 35x34 */
#define IDB_W32_ENTER_LOCATOR       20038   /* 35x35 */

#endif /* RILO_RESOURCE_WIN32_H */
