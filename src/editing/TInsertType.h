#pragma once

// What the insert tool inserts.
enum TInsertType { itColumn, itRow };
