// The desktop headers' aligned allocation, which the CE images do not use.
#pragma once
