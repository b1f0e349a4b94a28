/* Resource ids of the interface library: dialog templates, controls,
 * button pictures and the message icon.  Included by rilo.rc and by the
 * dialog code; it defines numbers only. */
#ifndef RILO_RESOURCE_H
#define RILO_RESOURCE_H

#if defined(RILO_FLAVOUR_WIN32)
/* The Win32 build has templates, controls and pictures of its own. */
#include "resource_win32.h"
#else

/* Dialog templates (the device builds). */
#define IDD_DLG_SHORT32             155     /* display dialog, CIddDlgShort32 */
#define IDD_DLG_LIST32              160     /* list-input dialog, CIddDlgList32 */
#define IDD_DLG_GUESTFUNC32         169     /* guest-functions dialog, CIddDlgGuestFunc32 */

/* Templates that the CE builds carry and no dialog uses; the CE 3.0 build
 * has handler sets for them.  Bitmap 154 is the picture of template 152. */
#define IDD_VARIANT_DISPLAY         130
#define IDD_VARIANT_LIST            131
#define IDD_VARIANT_GUEST           152
#define IDB_VARIANT_GUEST           154
#define IDC_VARIANT_LINES           1005    /* 130 and 131: the list */
#define IDC_VARIANT_LINEDOWN        1001    /* 131 */
#define IDC_VARIANT_PAGEDOWN        1002
#define IDC_VARIANT_END             1003
#define IDC_VARIANT_OK              1004    /* ends with the chosen item */
#define IDC_VARIANT_TITLE           1010
#define IDC_VARIANT_ABORT           1011    /* ends with 0 */
#define IDC_VARIANT_LINEUP          1012
#define IDC_VARIANT_PAGEUP          1013
#define IDC_VARIANT_HOME            1014
#define IDC_VARIANT_GUEST_LINE      1007    /* 152 */
#define IDC_VARIANT_GUEST_HEADING   1025
#define IDC_VARIANT_EXIT            1027    /* 152: ends with 0 */

/* Icon beside "Guest has a Message" (32x32 and 16x16 images). */
#define IDI_MESSAGE                 170

/* Shared by all three dialogs: the title line across the top. */
#define IDC_TITLE                   1026

/* Display dialog (template 155). */
#define IDC_SHORT_LINES             1005    /* list of text lines */
#define IDC_SHORT_BACK              1034    /* ends with 1 */
#define IDC_SHORT_EXIT              1035    /* ends with 0 */
#define IDC_SHORT_PRINT             1036    /* ends with 2 */
#define IDC_SHORT_PAGEDOWN          1046    /* left-most button */
#define IDC_SHORT_PAGEUP            1047    /* right-most button */

/* List-input dialog (template 160). */
#define IDC_LIST_ABORT              1005    /* ends with 0 */
#define IDC_LIST_LINEUP             1006
#define IDC_LIST_PAGEUP             1007
#define IDC_LIST_HOME               1008
#define IDC_LIST_ITEMS              1037    /* list of items to choose from */
#define IDC_LIST_LINEDOWN           1038
#define IDC_LIST_PAGEDOWN           1039
#define IDC_LIST_END                1040
#define IDC_LIST_OK                 1041    /* ends with the chosen item */

/* Guest-functions dialog (template 169). */
#define IDC_GUEST_LOCATOR_IND       1011    /* "Guest has a Locator" */
#define IDC_GUEST_RESERVATION       1015    /* ends with 1 */
#define IDC_GUEST_DETAILS           1016    /* ends with 2 */
#define IDC_GUEST_MESSAGES          1017    /* ends with 3 */
#define IDC_GUEST_LOCATOR           1018    /* ends with 4 */
#define IDC_GUEST_ENTER_MESSAGE     1019    /* ends with 5 */
#define IDC_GUEST_ENTER_LOCATOR     1020    /* ends with 6 */
#define IDC_GUEST_MESSAGE_ICON      1031    /* shows IDI_MESSAGE */
#define IDC_GUEST_MESSAGE_IND       1033    /* "Guest has a Message" */
#define IDC_GUEST_EXIT              1035    /* ends with 0 */
#define IDC_GUEST_LIST              1045    /* heading and the guest's line */

/* Button pictures, large set (Embedded Compact 7). */
#define IDB_EXIT                    178     /* 23x26 */
#define IDB_BACK                    179     /* 32x31 */
#define IDB_PRINT                   180     /* 32x31 */
#define IDB_LINEDOWN                181     /* 32x32 */
#define IDB_PAGEDOWN                182     /* 32x32 */
#define IDB_END                     183     /* 32x32 */
#define IDB_OK                      184     /* 32x32 */
#define IDB_ABORT                   185     /* 32x32 */
#define IDB_LINEUP                  186     /* 32x32 */
#define IDB_PAGEUP                  187     /* 32x32 */
#define IDB_HOME                    188     /* 32x32 */
#define IDB_RESERVATION             189     /* 32x32 */
#define IDB_GUEST_DETAILS           190     /* 32x32 */
#define IDB_GUEST_MESSAGES          191     /* 32x32 */
#define IDB_GUEST_LOCATOR           192     /* 32x32 */
#define IDB_ENTER_MESSAGE           193     /* 32x32 */
#define IDB_ENTER_LOCATOR           194     /* 32x32 */

/* Button pictures, small set (CE 5 and CE 3.0); there is no 201. */
#define IDB_EXIT_SMALL              195     /* 14x14 */
#define IDB_BACK_SMALL              196     /* 18x17 */
#define IDB_PRINT_SMALL             197     /* 18x17 */
#define IDB_PAGEDOWN_SMALL          198     /* 16x17 */
#define IDB_PAGEUP_SMALL            199     /* 16x17 */
#define IDB_LINEDOWN_SMALL          200     /* 16x16 */
#define IDB_END_SMALL               202     /* 16x17 */
#define IDB_LINEUP_SMALL            203     /* 16x15 */
#define IDB_HOME_SMALL              204     /* 16x17 */
#define IDB_OK_SMALL                205     /* 14x13 */
#define IDB_ABORT_SMALL             206     /* 15x14 */
#define IDB_RESERVATION_SMALL       207     /* 16x16 */
#define IDB_GUEST_DETAILS_SMALL     208     /* 16x16 */
#define IDB_GUEST_MESSAGES_SMALL    209     /* 16x16 */
#define IDB_GUEST_LOCATOR_SMALL     210     /* 15x16 */
#define IDB_ENTER_MESSAGE_SMALL     211     /* 17x17 */
#define IDB_ENTER_LOCATOR_SMALL     212     /* 17x17 */

#endif /* RILO_FLAVOUR_WIN32 */

#endif /* RILO_RESOURCE_H */
