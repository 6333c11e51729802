#include "platform/curl_error_text.h"

namespace quorvex {

std::string curlErrorInWords(CURLcode code) {
  switch (code) {
    case CURLE_UNSUPPORTED_PROTOCOL:
    case CURLE_URL_MALFORMAT:
      return "The server address is not a valid FTP address. Please check it in your server "
             "preferences.";
    case CURLE_COULDNT_RESOLVE_PROXY:
      return "The proxy server could not be found. Please check its name.";
    case CURLE_COULDNT_RESOLVE_HOST:
      return "The server could not be found. Please check its name and your Internet "
             "connection.";
    case CURLE_COULDNT_CONNECT:
      return "The server could not be reached. It may be down, or your Internet connection or "
             "a firewall may block it.";
    case CURLE_OPERATION_TIMEDOUT:
      return "The server stopped answering. Please try again later.";
    case CURLE_LOGIN_DENIED:
      return "The server did not accept your user name or password.";
    case CURLE_REMOTE_ACCESS_DENIED:
      return "The server refused access to the file or folder.";
    case CURLE_UPLOAD_FAILED:
      return "The server refused to store the file.";
    case CURLE_REMOTE_FILE_NOT_FOUND:
      return "The file or folder does not exist on the server.";
    case CURLE_REMOTE_DISK_FULL:
      return "The server has no room left for the file.";
    case CURLE_READ_ERROR:
    case CURLE_FILE_COULDNT_READ_FILE:
      return "The file could not be read on this computer.";
    case CURLE_WRITE_ERROR:
      return "The file could not be written on this computer.";
    case CURLE_SSL_CONNECT_ERROR:
    case CURLE_PEER_FAILED_VERIFICATION:
    case CURLE_SSL_CERTPROBLEM:
    case CURLE_SSL_CIPHER:
    case CURLE_SSL_CACERT_BADFILE:
    case CURLE_USE_SSL_FAILED:
      return "A secure connection to the server could not be made.";
    case CURLE_FTP_WEIRD_SERVER_REPLY:
    case CURLE_FTP_WEIRD_PASV_REPLY:
    case CURLE_FTP_WEIRD_227_FORMAT:
    case CURLE_FTP_CANT_GET_HOST:
    case CURLE_FTP_PORT_FAILED:
    case CURLE_FTP_ACCEPT_FAILED:
    case CURLE_FTP_ACCEPT_TIMEOUT:
      return "The server's answer could not be understood, or it could not open a data "
             "connection. Try switching passive mode in your server preferences.";
    case CURLE_OUT_OF_MEMORY:
      return "This computer ran out of memory during the transfer.";
    default:
      return "The connection to the server was lost before the transfer was complete. Please "
             "try again.";
  }
}

}  // namespace quorvex
